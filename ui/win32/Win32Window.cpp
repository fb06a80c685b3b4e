#include "ui/win32/Win32Window.h"

#include <stdexcept>
#include <utility>

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
    throw std::runtime_error("Cannot register window class " + className);
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
  MarkFormWindow(window);
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
  ShowWindow(m_window, SW_SHOWNORMAL);
  UpdateWindow(m_window);
  SetForegroundWindow(m_window);
  Fire(onShown);

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
  DispatchPending();
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
  if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  LRESULT result = 0;
  const bool handled =
      Guarded(false, [&] { return self->HandleMessage(message, wParam, lParam, result); });
  return handled ? result : DefWindowProcA(window, message, wParam, lParam);
}

bool Win32Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0) {
        // A menu entry (accelerators are not used).
        if (HIWORD(wParam) != 0) return false;
        auto found = m_menuItems.find(LOWORD(wParam));
        if (found != m_menuItems.end()) Fire(found->second->onClick);
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

void Win32Window::MoveFocus(WPARAM wParam, LPARAM lParam) {
  // Sent by the dialog keys: lParam set means wParam is the control to focus; otherwise wParam
  // says whether to go to the previous or the next tab stop.
  HWND target = LOWORD(lParam) != 0
                    ? reinterpret_cast<HWND>(wParam)
                    : GetNextDlgTabItem(m_window, GetFocus(), wParam != 0 ? TRUE : FALSE);
  if (target == nullptr) return;
  SetFocus(target);
  if (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
    SendMessageA(target, EM_SETSEL, 0, -1);
  }
}

void Win32Window::RestoreFocus() {
  HWND target = m_savedFocus;
  if (target == nullptr || !IsWindow(target) || !IsChild(m_window, target) ||
      !IsWindowVisible(target) || !IsWindowEnabled(target)) {
    target = GetNextDlgTabItem(m_window, nullptr, FALSE);
  }
  SetFocus(target != nullptr ? target : m_window);
}

}  // namespace ui::win32
