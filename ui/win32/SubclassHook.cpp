#include "ui/win32/SubclassHook.h"

#include <commctrl.h>

#include "ui/win32/EventDispatch.h"
#include "ui/win32/WindowTable.h"

namespace ui::win32 {

namespace {
WindowTable& Hooks() {
  static WindowTable hooks;
  return hooks;
}
}  // namespace

SubclassHook::~SubclassHook() { Remove(); }

SubclassHook* SubclassHook::Of(HWND window) {
  return static_cast<SubclassHook*>(Hooks().Find(window));
}

void SubclassHook::Install(HWND window) {
  m_hooked = window;
  Hooks().Set(window, this);
  m_original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

void SubclassHook::Remove() {
  if (m_hooked == nullptr || Of(m_hooked) != this) return;
  Hooks().Remove(m_hooked);
  if (IsWindow(m_hooked)) {
    SetWindowLongPtrA(m_hooked, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_original));
  }
  m_hooked = nullptr;
}

LRESULT SubclassHook::CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(m_original, window, message, wParam, lParam);
}

void SubclassHook::Relay(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
  if (m_hints == nullptr || message < WM_MOUSEFIRST || message > WM_MOUSELAST) return;
  MSG relayed;
  relayed.hwnd = window;
  relayed.message = message;
  relayed.wParam = wParam;
  relayed.lParam = lParam;
  relayed.time = static_cast<DWORD>(GetMessageTime());
  const DWORD position = GetMessagePos();
  relayed.pt.x = static_cast<short>(LOWORD(position));
  relayed.pt.y = static_cast<short>(HIWORD(position));
  SendMessageA(m_hints, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

LRESULT CALLBACK SubclassHook::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SubclassHook* hook = Of(window);
  if (hook == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const WNDPROC original = hook->m_original;
    hook->Remove();
    return CallWindowProcA(original, window, message, wParam, lParam);
  }
  hook->Relay(window, message, wParam, lParam);
  LRESULT result = 0;
  const bool handled = hook->OnSubclassMessage(window, message, wParam, lParam, result);
  return handled ? result : hook->CallOriginal(window, message, wParam, lParam);
}

}  // namespace ui::win32
