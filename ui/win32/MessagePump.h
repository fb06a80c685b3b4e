// Handing a queued message on, with the dialog keys (Tab, Shift+Tab, arrows, Enter on a button)
// and the window's own keys working inside the program's windows. Messages are taken and handed
// on in UTF-16 (every loop calls the W functions): a typed character reaches a Unicode text field
// as typed, and the system converts it for the ANSI windows.
#pragma once

#include <windows.h>

namespace ui::win32 {

// What a form does with a key before the dialog keys: returns true when it took the message.
class KeyFilter {
 public:
  virtual ~KeyFilter() = default;
  virtual bool PreTranslateKey(const MSG& message) = 0;
};

// Marks a top-level window as one of the program's forms, whose keys go to `keys` first.
void MarkFormWindow(HWND window, KeyFilter* keys);
void UnmarkFormWindow(HWND window);

void DispatchWithNavigation(MSG& message);

// Handles every message waiting now; a quit request met on the way is put back for the
// outermost loop. Returns false when it met one.
bool DispatchPending();

// Repaints what waits to be painted and answers messages sent by other threads, leaving
// every other message, input above all, in the queue.
void DispatchPaintOnly();

// Drops the keyboard and mouse input queued for this thread: what the user did while the
// program was busy must not act once it is done.
void DiscardQueuedInput();

// How many windows are busy now; while one is, the wait cursor shows.
void NoteBusy(bool busy);
bool AnyWindowBusy();

}  // namespace ui::win32
