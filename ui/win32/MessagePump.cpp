#include "ui/win32/MessagePump.h"

namespace ui::win32 {

namespace {
constexpr const char* kFormProperty = "Plinvo.Form";
int g_busyWindows = 0;
}  // namespace

void MarkFormWindow(HWND window, KeyFilter* keys) {
  SetPropA(window, kFormProperty, reinterpret_cast<HANDLE>(keys));
}

void UnmarkFormWindow(HWND window) { RemovePropA(window, kFormProperty); }

void DispatchWithNavigation(MSG& message) {
  HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  auto* keys =
      root != nullptr ? reinterpret_cast<KeyFilter*>(GetPropA(root, kFormProperty)) : nullptr;
  if (keys != nullptr && (keys->PreTranslateKey(message) || IsDialogMessageW(root, &message))) {
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

void DispatchPaintOnly() {
  MSG message;
  while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
    DispatchMessageA(&message);
  }
}

void DiscardQueuedInput() {
  MSG message;
  while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
  }
  while (PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
  while (PeekMessageA(&message, nullptr, WM_NCMOUSEMOVE, WM_NCMBUTTONDBLCLK, PM_REMOVE)) {
  }
}

void NoteBusy(bool busy) { g_busyWindows += busy ? 1 : -1; }

bool AnyWindowBusy() { return g_busyWindows > 0; }

}  // namespace ui::win32
