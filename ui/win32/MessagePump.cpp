#include "ui/win32/MessagePump.h"

namespace ui::win32 {

namespace {
constexpr const char* kFormProperty = "Plinvo.Form";
}  // namespace

void MarkFormWindow(HWND window) {
  SetPropA(window, kFormProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(1)));
}

void DispatchWithNavigation(MSG& message) {
  HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root != nullptr && GetPropA(root, kFormProperty) != nullptr &&
      IsDialogMessageW(root, &message)) {
    return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

bool DispatchPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    DispatchWithNavigation(message);
  }
  return true;
}

}  // namespace ui::win32
