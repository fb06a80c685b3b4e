#include "ui/win32/Win32Window.h"

#include <optional>
#include <utility>

#include "platform/Fatal.h"
#include "ui/win32/EventDispatch.h"
#include "ui/win32/MessagePump.h"

namespace ui::win32 {

namespace {

// A resource's name lives only as long as the enumeration's call: the icon is loaded there.
BOOL CALLBACK LoadFirstIcon(HMODULE module, LPCSTR, LPSTR name, LONG_PTR found) {
  *reinterpret_cast<HICON*>(found) = LoadIconA(module, name);
  return FALSE;
}

// The program file's first icon, the one the shell shows for it; nullptr when it has none.
HICON ProgramIcon(HINSTANCE instance) {
  HICON icon = nullptr;
  EnumResourceNamesA(instance, reinterpret_cast<LPCSTR>(RT_GROUP_ICON), &LoadFirstIcon,
                     reinterpret_cast<LONG_PTR>(&icon));
  return icon;
}

}  // namespace

Win32Window::~Win32Window() {
  if (m_busyLevel > 0) NoteBusy(false);
  if (Alive()) DestroyWindow(m_window);
}

void Win32Window::RegisterFormClass(HINSTANCE instance, const std::string& className,
                                    bool withIcon) {
  WNDCLASSEXA existing;
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExA(instance, className.c_str(), &existing)) return;
  WNDCLASSEXA windowClass;
  ZeroMemory(&windowClass, sizeof(windowClass));
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = withIcon ? ProgramIcon(instance) : nullptr;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className.c_str();
  if (!RegisterClassExA(&windowClass)) {
    platform::Fatal("Cannot register window class " + className);
  }
}

bool Win32Window::Create(HINSTANCE instance, const FormDesign& spec, HWND owner, HMENU menu) {
  m_owner = owner;
  DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  DWORD exStyle = 0;
  if (spec.border == BorderStyle::Dialog) {
    exStyle |= WS_EX_DLGMODALFRAME;
  } else if (spec.minimizeBox) {
    style |= WS_MINIMIZEBOX;
  }
  RECT frame = {0, 0, spec.clientWidth, spec.clientHeight};
  AdjustWindowRectEx(&frame, style, menu != nullptr, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  int left = spec.left;
  int top = spec.top;
  if (spec.centreOnScreen) {
    left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  HWND window = CreateWindowExA(exStyle, spec.className.c_str(), spec.caption.c_str(), style, left,
                                top, width, height, owner, menu, instance, this);
  if (window == nullptr) {
    if (menu != nullptr) DestroyMenu(menu);
    return false;
  }
  MarkFormWindow(window, this);
  // A menu bar that wraps onto a second line takes its height from the client area.
  RECT client;
  GetClientRect(window, &client);
  const int missing = spec.clientHeight - (client.bottom - client.top);
  if (missing != 0) {
    SetWindowPos(window, nullptr, 0, 0, width, height + missing,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return true;
}

bool Win32Window::Alive() const {
  return m_window != nullptr && IsWindow(m_window) &&
         GetWindowLongPtrA(m_window, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this);
}

ULONG_PTR Win32Window::KeepMenuPicture(PictureIcon picture) {
  m_menuPictures.push_back(std::make_unique<PictureIcon>(std::move(picture)));
  return reinterpret_cast<ULONG_PTR>(m_menuPictures.back().get());
}

const PictureIcon* Win32Window::MenuPicture(ULONG_PTR itemData) const {
  for (const auto& picture : m_menuPictures) {
    if (reinterpret_cast<ULONG_PTR>(picture.get()) == itemData) return picture.get();
  }
  return nullptr;
}

void Win32Window::Close() {
  if (!Alive()) return;
  if (m_inModalLoop) {
    // The modal loop destroys the window once the handler that asked for this has returned.
    m_endModal = true;
    PostMessageA(m_window, WM_NULL, 0, 0);
    return;
  }
  DestroyWindow(m_window);
}

void Win32Window::Show() {
  if (!Alive()) return;
  // Only the main window that has been on the screen ends the program when it goes; one that
  // fails while being built must not post a quit that would close the error box about it.
  if (m_owner == nullptr) m_quitOnDestroy = true;
  Appear();
}

void Win32Window::Appear() {
  DisableIfBusyBeforeShowing();
  ShowWindow(m_window, SW_SHOWNORMAL);
  UpdateWindow(m_window);
  SetForegroundWindow(m_window);
}

void Win32Window::ShowModal() {
  if (!Alive() || m_inModalLoop) return;
  const bool disableOwner = m_owner != nullptr && IsWindowEnabled(m_owner);
  if (disableOwner) EnableWindow(m_owner, FALSE);
  m_inModalLoop = true;
  m_endModal = false;
  Fire(onShowing);
  if (!m_endModal && Alive() && !IsWindowVisible(m_window)) Appear();

  MSG message;
  while (!m_endModal && Alive()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got == -1) break;
    DispatchWithNavigation(message);
  }
  m_inModalLoop = false;
  // The owner is enabled and active again before this window goes, so that the activation
  // does not pass to another program.
  if (disableOwner) EnableWindow(m_owner, TRUE);
  if (m_owner != nullptr && IsWindow(m_owner)) SetActiveWindow(m_owner);
  if (Alive()) DestroyWindow(m_window);
}

void Win32Window::ProcessPendingEvents() {
  // A window not yet on the screen has nothing to paint, and nothing queued may run before it
  // shows (a command queued for its disabled owner): they wait until it is on the screen.
  if (!Alive() || !IsWindowVisible(m_window)) return;
  // While an action runs, only painting may happen: a queued click must not start another.
  if (AnyWindowBusy()) {
    DispatchPaintOnly();
  } else {
    DispatchPending();
  }
  if (Alive()) RedrawWindow(m_window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

LRESULT CALLBACK Win32Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    auto* self = static_cast<Win32Window*>(created->lpCreateParams);
    self->m_window = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    UnmarkFormWindow(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  }
  LRESULT result = 0;
  const bool handled = self->HandleMessage(message, wParam, lParam, result);
  return handled ? result : DefWindowProcA(window, message, wParam, lParam);
}

bool Win32Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0) {
        // A menu entry (accelerators are not used).
        if (HIWORD(wParam) != 0) return false;
        MenuItem* chosen = nullptr;
        for (const auto& [id, item] : m_menuItems) {
          if (id == LOWORD(wParam)) chosen = item;
        }
        if (chosen != nullptr) Fire(chosen->onClick);
        result = 0;
        return true;
      }
      return RouteChildNotification(message, wParam, lParam, result);
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
      return RouteChildNotification(message, wParam, lParam, result);
    case WM_MEASUREITEM: {
      // A menu-bar entry whose picture the window draws itself (HBMMENU_CALLBACK): the
      // system's own bitmap drawing on XP ignores an icon's transparency.
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      const PictureIcon* picture =
          item->CtlType == ODT_MENU ? MenuPicture(item->itemData) : nullptr;
      if (picture == nullptr) return false;
      // A gap of a quarter of the picture between it and the caption.
      item->itemWidth = picture->Size() + picture->Size() / 4;
      item->itemHeight = picture->Size();
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const PictureIcon* picture =
          item->CtlType == ODT_MENU ? MenuPicture(item->itemData) : nullptr;
      if (picture == nullptr) return false;
      const int size = picture->Size();
      const int top = item->rcItem.top + (item->rcItem.bottom - item->rcItem.top - size) / 2;
      DrawIconEx(item->hDC, item->rcItem.left, top, picture->Handle(), size, size, 0, nullptr,
                 DI_NORMAL);
      result = TRUE;
      return true;
    }
    case WM_CLOSE:
      Close();
      result = 0;
      return true;
    case WM_DESTROY:
      if (m_quitOnDestroy) PostQuitMessage(0);
      return false;
    case WM_SETCURSOR:
      // The controls ask their parents first; a busy window answers for all of them.
      if (!AnyWindowBusy()) return false;
      SetCursor(LoadCursor(nullptr, IDC_WAIT));
      result = TRUE;
      return true;
    case WM_NEXTDLGCTL:
      MoveFocus(wParam, lParam);
      result = 0;
      return true;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(m_window, focus)) m_savedFocus = focus;
        return false;
      }
      if (HIWORD(wParam) != 0) return false;  // minimised
      RestoreFocus();
      result = 0;
      return true;
    case WM_SETFOCUS:
      RestoreFocus();
      result = 0;
      return true;
    default:
      return false;
  }
}

namespace {

bool Focusable(HWND window) {
  return window != nullptr && IsWindowVisible(window) && IsWindowEnabled(window);
}

std::optional<Key> KeyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_TAB:
      return Key::Tab;
    case VK_RETURN:
      return Key::Enter;
    case VK_ESCAPE:
      return Key::Escape;
    case VK_DELETE:
      return Key::Delete;
    case VK_PRIOR:
      return Key::PageUp;
    case VK_NEXT:
      return Key::PageDown;
    case VK_F1:
      return Key::F1;
    case VK_F5:
      return Key::F5;
    case VK_F10:
      return Key::F10;
    case VK_APPS:
      return Key::Apps;
    default:
      return std::nullopt;
  }
}

}  // namespace

bool Win32Window::PreTranslateKey(const MSG& message) {
  // F10 comes as a system key; with Alt held, any key does, and those stay the menu's.
  constexpr LPARAM kAltHeld = LPARAM(1) << 29;
  const bool systemKey = message.message == WM_SYSKEYDOWN && message.wParam == VK_F10 &&
                         (message.lParam & kAltHeld) == 0;
  if (message.message != WM_KEYDOWN && !systemKey) return false;
  if (m_busyLevel > 0) return true;
  const std::optional<Key> key = KeyOf(message.wParam);
  if (!key) return false;
  unsigned modifiers = kNoModifier;
  if (GetKeyState(VK_CONTROL) < 0) modifiers |= kCtrl;
  if (GetKeyState(VK_SHIFT) < 0) modifiers |= kShift;
  if (m_keyHandler && m_keyHandler(*key, modifiers)) return true;
  // Tab follows the designed order itself: the dialog keys would stop at a control that keeps
  // Tab for itself (the rich-text area) and never reach the tab header.
  if (*key != Key::Tab || (modifiers & kCtrl) != 0) return false;
  // Someone at the keyboard: the focused control shows it from now on, as in the system's own
  // dialogs, which the dialog keys would have told the window.
  SendMessageA(m_window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  FocusControl(NextTabStop(GetFocus(), (modifiers & kShift) != 0));
  return true;
}

HWND Win32Window::NextTabStop(HWND from, bool previous) const {
  const int count = static_cast<int>(m_tabStops.size());
  auto holds = [from](const std::vector<HWND>& stop) {
    for (HWND member : stop) {
      if (from != nullptr && (member == from || IsChild(member, from))) return true;
    }
    return false;
  };
  // The window a stop is entered at: its checked option, else its first usable one.
  auto entry = [](const std::vector<HWND>& stop) -> HWND {
    HWND first = nullptr;
    for (HWND member : stop) {
      if (!Focusable(member)) continue;
      if (first == nullptr) first = member;
      if (stop.size() > 1 && SendMessageA(member, BM_GETCHECK, 0, 0) == BST_CHECKED) return member;
    }
    return first;
  };
  int current = -1;
  for (int index = 0; index < count; ++index) {
    if (holds(m_tabStops[index])) current = index;
  }
  for (int step = 1; step <= count; ++step) {
    int index = 0;
    if (current < 0) {
      index = previous ? count - step : step - 1;
    } else {
      index = ((previous ? current - step : current + step) % count + count) % count;
    }
    if (HWND target = entry(m_tabStops[index])) return target;
  }
  return nullptr;
}

void Win32Window::FocusControl(HWND target) {
  if (target == nullptr) return;
  SetFocus(target);
  // A one-line field is entered with its text selected, as in the system's dialogs.
  if ((GetWindowLongA(target, GWL_STYLE) & ES_MULTILINE) == 0 &&
      (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)) {
    SendMessageA(target, EM_SETSEL, 0, -1);
  }
}

void Win32Window::MoveFocus(WPARAM wParam, LPARAM lParam) {
  // Sent by the dialog keys: lParam set means wParam is the control to focus; otherwise wParam
  // says whether to go to the previous or the next tab stop.
  FocusControl(LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                   : NextTabStop(GetFocus(), wParam != 0));
}

void Win32Window::RestoreFocus() {
  HWND target = m_savedFocus;
  if (target == nullptr || !IsWindow(target) || !IsChild(m_window, target) || !Focusable(target)) {
    target = NextTabStop(nullptr, false);
  }
  SetFocus(target != nullptr ? target : m_window);
}

void Win32Window::DisableWhileBusy() {
  m_busyControlsDisabled = true;
  HWND focus = GetFocus();
  m_busyFocus = focus != nullptr && IsChild(m_window, focus) ? focus : nullptr;
  // Disabled controls look as unavailable as they are; labels stay as they are, so that
  // the progress they tell can be read.
  m_busyDisabled.clear();
  auto disable = [this](HWND control) {
    if (!IsWindowEnabled(control)) return;
    EnableWindow(control, FALSE);
    m_busyDisabled.push_back(control);
  };
  for (const auto& stop : m_tabStops) {
    for (HWND member : stop) disable(member);
  }
  // The window itself: its menu, close box and every child.
  m_busyDisabledSelf = IsWindowEnabled(m_window) != FALSE;
  if (m_busyDisabledSelf) EnableWindow(m_window, FALSE);
}

void Win32Window::DisableIfBusyBeforeShowing() {
  if (m_busyLevel > 0 && !m_busyControlsDisabled) DisableWhileBusy();
}

void Win32Window::SetBusy(bool busy) {
  if (busy) {
    if (m_busyLevel++ > 0) return;
    NoteBusy(true);
    if (!Alive()) return;
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    // A hidden window takes no input, so its controls are disabled only if it shows while
    // still busy: under Wine every change of a control's state is a call to the window
    // server, which at start-up, with all of them hidden, would only cost time.
    if (IsWindowVisible(m_window)) DisableWhileBusy();
    return;
  }
  if (m_busyLevel == 0 || --m_busyLevel > 0) return;
  NoteBusy(false);
  if (!Alive()) return;
  DiscardQueuedInput();
  m_busyControlsDisabled = false;
  if (m_busyDisabledSelf) EnableWindow(m_window, TRUE);
  m_busyDisabledSelf = false;
  for (HWND control : m_busyDisabled) {
    if (IsWindow(control)) EnableWindow(control, TRUE);
  }
  m_busyDisabled.clear();
  if (IsWindowVisible(m_window) && GetActiveWindow() == m_window) {
    if (m_busyFocus != nullptr && IsWindow(m_busyFocus) && Focusable(m_busyFocus)) {
      SetFocus(m_busyFocus);
    } else {
      RestoreFocus();
    }
  }
  if (!AnyWindowBusy()) SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

int Win32Window::PopupMenu(const std::vector<PopupEntry>& entries) {
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return 0;
  for (const PopupEntry& entry : entries) {
    if (!AppendMenuA(menu, MF_STRING, entry.id, entry.caption.c_str())) {
      DestroyMenu(menu);
      return 0;
    }
  }
  POINT at = {};
  if (m_popupPlace) {
    at = *m_popupPlace;
  } else {
    GetCursorPos(&at);
  }
  // Chosen here and handed back, not sent as a menu command the window would route.
  const int chosen = static_cast<int>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, m_window, nullptr));
  DestroyMenu(menu);
  return chosen;
}

}  // namespace ui::win32
