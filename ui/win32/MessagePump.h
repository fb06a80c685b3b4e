// Handing a queued message on, with the dialog keys (Tab, Shift+Tab, arrows, Enter on a button)
// working inside the program's windows. Messages are taken and handed on in UTF-16 (every loop
// calls the W functions): a typed character reaches a Unicode text field as typed, and the system
// converts it for the ANSI windows.
#pragma once

#include <windows.h>

namespace ui::win32 {

// Marks a top-level window as one of the program's forms.
void MarkFormWindow(HWND window);

void DispatchWithNavigation(MSG& message);

// Handles every message waiting now; a quit request met on the way is put back for the
// outermost loop. Returns false when it met one.
bool DispatchPending();

}  // namespace ui::win32
