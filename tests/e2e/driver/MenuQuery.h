// What the driver and the menu probe exchange. Wine keeps a menu readable only inside the
// process that owns it, so the driver hooks the probe into the program's user-interface thread
// (a message hook, which that thread loads and calls between its messages) and asks it through a
// posted message to read the menu into a block of the program's memory.
#pragma once

#include <windows.h>

namespace e2e {

// The probe also measures, inside the program, the captions of a window's controls with the fonts
// the program gave them (Wine keeps fonts private to their process too).
enum ProbeOperation { kReadMenu = 0, kMeasureCaptions = 1 };

struct MenuQuery {
  HWND window;    // whose menu bar to read, or whose controls to measure
  int operation;  // ProbeOperation
  UINT id;        // 0: describe every entry; otherwise the state of this entry
  int done;       // out: 1 once read, 2 when the window has no menu
  int found;      // out: 1 when the entry with `id` exists
  UINT state;     // out: its state (MF_GRAYED, MF_DISABLED, ...)
  // out: one line per entry, depth first: "<depth>:<id>:<enabled|grayed>:<text>\n"; a separator's
  // text is "-". Measuring: one line per visible button, label and list column,
  // "<kind>:<id>:<width>:<height>:<text width>:<text height>:<room>:<text>\n", kind "button",
  // "option", "label" or "column" (id: the list's; width: the column's), room: what the control
  // needs beside the text (a button's picture with its margins, an option's check circle)
  char text[16384];
};

const char kMenuProbeDll[] = "e2e_probe.dll";
const char kMenuProbeHook[] = "E2eMenuHook";
// Posted to the program's window with the block's address; the hook takes it off the queue.
const char kMenuProbeMessage[] = "E2eReadMenu";

}  // namespace e2e
