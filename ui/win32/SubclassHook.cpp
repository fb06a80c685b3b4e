#include "ui/win32/SubclassHook.h"

#include "ui/win32/EventDispatch.h"

namespace ui::win32 {

namespace {
constexpr const char* kHookProperty = "Plinvo.SubclassHook";
}  // namespace

SubclassHook::~SubclassHook() { Remove(); }

void SubclassHook::Install(HWND window) {
  m_hooked = window;
  SetPropA(window, kHookProperty, reinterpret_cast<HANDLE>(this));
  m_original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

void SubclassHook::Remove() {
  if (m_hooked == nullptr || !IsWindow(m_hooked)) return;
  if (GetPropA(m_hooked, kHookProperty) != reinterpret_cast<HANDLE>(this)) return;
  RemovePropA(m_hooked, kHookProperty);
  SetWindowLongPtrA(m_hooked, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_original));
  m_hooked = nullptr;
}

LRESULT SubclassHook::CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(m_original, window, message, wParam, lParam);
}

LRESULT CALLBACK SubclassHook::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* hook = reinterpret_cast<SubclassHook*>(GetPropA(window, kHookProperty));
  if (hook == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const WNDPROC original = hook->m_original;
    hook->Remove();
    return CallWindowProcA(original, window, message, wParam, lParam);
  }
  LRESULT result = 0;
  const bool handled = Guarded(
      false, [&] { return hook->OnSubclassMessage(window, message, wParam, lParam, result); });
  return handled ? result : hook->CallOriginal(window, message, wParam, lParam);
}

}  // namespace ui::win32
