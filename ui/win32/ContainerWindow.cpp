#include "ui/win32/ContainerWindow.h"

#include "ui/win32/EventDispatch.h"
#include "ui/win32/MessageTarget.h"

namespace ui::win32 {

namespace {

constexpr const char* kContainerClass = "PlinvoContainer";

void PaintBevel(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc == nullptr) return;
  RECT client;
  GetClientRect(window, &client);
  // Raised outer bevel with a lowered inner one.
  DrawEdge(dc, &client, BDR_RAISEDOUTER | BDR_SUNKENINNER, BF_RECT);
  EndPaint(window, &paint);
}

LRESULT CALLBACK ContainerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  const bool handled = [&] {
    if (message == WM_PAINT &&
        GetWindowLongPtrA(window, GWLP_USERDATA) == static_cast<LONG_PTR>(ContainerLook::Bevel)) {
      PaintBevel(window);
      return true;
    }
    // A child may ask its parent to close (a multi-line rich-text area does on Escape); a page,
    // frame or panel goes only with its window, never on a child's request.
    if (message == WM_CLOSE) {
      result = 0;
      return true;
    }
    return RouteChildNotification(message, wParam, lParam, result);
  }();
  return handled ? result : DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void RegisterContainerClass(HINSTANCE instance) {
  WNDCLASSEXA existing;
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExA(instance, kContainerClass, &existing)) return;
  WNDCLASSEXA windowClass;
  ZeroMemory(&windowClass, sizeof(windowClass));
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &ContainerProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kContainerClass;
  RegisterClassExA(&windowClass);
}

HWND CreateContainer(HINSTANCE instance, HWND parent, int id, const RECT& rect, ContainerLook look,
                     bool visible) {
  // WS_EX_CONTROLPARENT lets the dialog keys (Tab, arrows) reach the controls inside.
  HWND window =
      CreateWindowExA(WS_EX_CONTROLPARENT, kContainerClass, "",
                      WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0), rect.left, rect.top,
                      rect.right - rect.left, rect.bottom - rect.top, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (window != nullptr) SetWindowLongPtrA(window, GWLP_USERDATA, static_cast<LONG_PTR>(look));
  return window;
}

HWND CreateFrame(HINSTANCE instance, HWND container, const char* caption, HFONT font) {
  RECT client;
  GetClientRect(container, &client);
  // WS_GROUP ends the group of options before the frame, so arrow keys never land on it.
  HWND frame = CreateWindowExA(
      0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP | BS_GROUPBOX, 0, 0,
      client.right, client.bottom, container, reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)),
      instance, nullptr);
  if (frame == nullptr) return nullptr;
  SendMessageA(frame, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return frame;
}

}  // namespace ui::win32
