// How a notification that a child control sends to its parent finds the C++ object behind that
// control: every control window is registered with its MessageTarget while the object lives.
#pragma once

#include <windows.h>

namespace ui::win32 {

class MessageTarget {
 public:
  virtual ~MessageTarget() = default;
  // WM_COMMAND from `from` (a control window of this target) with a notification code.
  virtual void OnCommand(HWND from, UINT code) {
    (void)from;
    (void)code;
  }
  // WM_NOTIFY; returns true when handled, with the answer in `result`.
  virtual bool OnNotify(const NMHDR& header, LRESULT& result) {
    (void)header;
    (void)result;
    return false;
  }
  // WM_CTLCOLORSTATIC; returns the background brush, or nullptr for the default colours.
  virtual HBRUSH OnColorStatic(HDC dc) {
    (void)dc;
    return nullptr;
  }
};

void AttachTarget(HWND window, MessageTarget* target);
void DetachTarget(HWND window);
MessageTarget* TargetOf(HWND window);

// Handles the notifications a parent window (the form or one of its containers) receives from
// its children. Returns true when the message was for a control of ours.
bool RouteChildNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace ui::win32
