// What the driver and the menu probe exchange. Wine keeps a menu readable only inside the
// process that owns it, so the driver loads the probe into the program under test and runs it
// there on a block of that process's memory.
#pragma once

#include <windows.h>

namespace e2e {

struct MenuQuery {
  HWND window;  // whose menu bar to read
  UINT id;      // 0: describe every entry; otherwise the state of this entry
  int found;    // out: 1 when the entry with `id` exists
  UINT state;   // out: its state (MF_GRAYED, MF_DISABLED, ...)
  // out: one line per entry, depth first: "<depth>:<id>:<enabled|grayed>:<text>\n"; a separator's
  // text is "-"
  char text[16384];
};

const char kMenuProbeDll[] = "e2e_probe.dll";
const char kMenuProbeEntry[] = "E2eReadMenu";

}  // namespace e2e
