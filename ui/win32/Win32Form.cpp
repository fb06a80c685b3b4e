#include "ui/win32/Win32Form.h"

#include <commctrl.h>

#include "ui/win32/EventDispatch.h"
#include "ui/win32/SubclassHook.h"
#include "ui/win32/Win32ListView.h"

namespace ui::win32 {

Win32Form::~Win32Form() {
  // The hint window and every control go with the window; their objects outlive it.
  if (IsWindow(m_window.Window())) DestroyWindow(m_window.Window());
}

Control* Win32Form::FindControl(const std::string& name) {
  auto found = m_controls.find(name);
  return found == m_controls.end() ? nullptr : found->second.get();
}

MenuItem* Win32Form::FindMenuItem(const std::string& name) {
  auto found = m_menu.find(name);
  return found == m_menu.end() ? nullptr : found->second.get();
}

MenuItem& Win32Form::AddMenuItem(const std::string& name, int id) {
  auto item = std::make_unique<MenuItem>();
  MenuItem& added = *item;
  m_menu[name] = std::move(item);
  m_window.AddMenuItem(id, &added);
  return added;
}

bool Win32Form::PressKey(const std::vector<KeyBinding>& keys, Key key, unsigned modifiers,
                         const std::function<void(const std::string&)>& showHelpPage) {
  auto windowOf = [this](const std::string& name) -> HWND {
    Control* control = FindControl(name);
    return control != nullptr ? reinterpret_cast<HWND>(control->Handle()) : nullptr;
  };
  // What a user could not click, the key does not click either.
  auto usable = [](HWND control) { return IsWindowVisible(control) && IsWindowEnabled(control); };
  HWND focus = GetFocus();
  auto focusIn = [&](const std::string& name) {
    HWND control = windowOf(name);
    return control != nullptr && focus != nullptr && (control == focus || IsChild(control, focus));
  };
  auto shown = [&](const std::string& name) {
    HWND control = windowOf(name);
    return control != nullptr && IsWindowVisible(control);
  };
  const KeyBinding* binding = FindKeyBinding(keys, key, modifiers, focusIn, shown);
  if (binding == nullptr) {
    // A push button says so when asked what keys it wants; a click on it is what Space does.
    constexpr LRESULT kPushButton = DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON;
    if (!PressesFocusedButton(key, modifiers) || focus == nullptr ||
        (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & kPushButton) == 0) {
      return false;
    }
    if (usable(focus)) SendMessageA(focus, BM_CLICK, 0, 0);
    return true;
  }
  Control* target = FindControl(binding->target);
  switch (binding->action) {
    case KeyAction::Click:
      if (target != nullptr && Offers<Button>(*target)) {
        if (usable(windowOf(binding->target))) Fire(static_cast<Button*>(target)->onClick);
      } else if (MenuItem* item = FindMenuItem(binding->target)) {
        Fire(item->onClick);
      }
      break;
    case KeyAction::Close:
      m_window.Close();
      break;
    case KeyAction::NextPage:
    case KeyAction::PreviousPage:
      if (target != nullptr && Offers<TabControl>(*target)) {
        auto* tabs = static_cast<TabControl*>(target);
        tabs->SetActivePage(PageAfterKey(binding->action, tabs->ActivePage(), tabs->PageCount()));
      }
      break;
    case KeyAction::ShowHelp:
      // The program's handler reports its own errors.
      if (showHelpPage) showHelpPage(binding->target);
      break;
    case KeyAction::Run:
      if (const Event* command = KeyCommand(binding->target)) Fire(*command);
      break;
    case KeyAction::ContextMenu:
      // Every list of this window is a Win32ListView: the factory made it by its kind.
      if (target != nullptr && Offers<ListView>(*target) && usable(windowOf(binding->target))) {
        auto* list = static_cast<Win32ListView*>(target);
        m_window.PlaceNextPopup(list->SelectedRowCorner());
        Fire(list->onContextMenu);
        m_window.PlaceNextPopup(std::nullopt);
      }
      break;
  }
  return true;
}

void Win32Form::AddHint(HWND control, const std::string& text) {
  if (m_hints == nullptr) {
    m_hints = CreateWindowExA(
        WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_window.Window(), nullptr,
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_window.Window(), GWLP_HINSTANCE)), nullptr);
    if (m_hints == nullptr) return;
    // Long hints wrap instead of running off the screen.
    SendMessageA(m_hints, TTM_SETMAXTIPWIDTH, 0, 400);
  }
  TOOLINFOA tool;
  ZeroMemory(&tool, sizeof(tool));
  // The size without the field newer versions added, which the XP control without a
  // manifest refuses.
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  // A control with a hook of ours passes its mouse messages on itself; the hint window's own
  // subclass would look itself up in the control's window properties on every message.
  SubclassHook* hook = SubclassHook::Of(control);
  if (hook != nullptr) hook->RelayMouseTo(m_hints);
  tool.uFlags = TTF_IDISHWND | (hook != nullptr ? 0 : TTF_SUBCLASS);
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(m_hints, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace ui::win32
