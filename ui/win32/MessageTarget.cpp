#include "ui/win32/MessageTarget.h"

#include <unordered_map>

namespace ui::win32 {

namespace {
// Kept in the process rather than as a window property: a list being filled sends its parent a
// notification per row, and a property look-up is a trip to the window system each time.
std::unordered_map<HWND, MessageTarget*>& Targets() {
  static std::unordered_map<HWND, MessageTarget*> targets;
  return targets;
}
}  // namespace

void AttachTarget(HWND window, MessageTarget* target) {
  if (window != nullptr) Targets()[window] = target;
}

void DetachTarget(HWND window) { Targets().erase(window); }

MessageTarget* TargetOf(HWND window) {
  if (window == nullptr) return nullptr;
  const auto found = Targets().find(window);
  return found == Targets().end() ? nullptr : found->second;
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
