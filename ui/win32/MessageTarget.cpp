#include "ui/win32/MessageTarget.h"

#include "ui/win32/WindowTable.h"

namespace ui::win32 {

namespace {
WindowTable& Targets() {
  static WindowTable targets;
  return targets;
}
}  // namespace

void AttachTarget(HWND window, MessageTarget* target) {
  if (window != nullptr) Targets().Set(window, target);
}

void DetachTarget(HWND window) { Targets().Remove(window); }

MessageTarget* TargetOf(HWND window) {
  return window == nullptr ? nullptr : static_cast<MessageTarget*>(Targets().Find(window));
}

bool RouteChildNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND: {
      HWND from = reinterpret_cast<HWND>(lParam);
      MessageTarget* target = TargetOf(from);
      if (target == nullptr) return false;
      target->OnCommand(from, HIWORD(wParam));
      result = 0;
      return true;
    }
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      MessageTarget* target = header ? TargetOf(header->hwndFrom) : nullptr;
      return target != nullptr && target->OnNotify(*header, result);
    }
    case WM_CTLCOLORSTATIC: {
      MessageTarget* target = TargetOf(reinterpret_cast<HWND>(lParam));
      HBRUSH brush = target ? target->OnColorStatic(reinterpret_cast<HDC>(wParam)) : nullptr;
      if (brush == nullptr) return false;
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace ui::win32
