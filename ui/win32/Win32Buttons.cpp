#include "ui/win32/Win32Buttons.h"

#include <commctrl.h>

#include <utility>

#include "ui/win32/EventDispatch.h"

namespace ui::win32 {

void Win32Button::Attach(HWND window) {
  Win32Control::Attach(window);
  Install(window);
}

namespace {

// Whether the window sits on a page (or in a frame) that is hidden; the top-level window itself
// is not asked, since it shows only once all its controls are made.
bool OnHiddenPage(HWND window) {
  for (HWND w = window; w != nullptr && (GetWindowLongA(w, GWL_STYLE) & WS_CHILD) != 0;
       w = GetParent(w)) {
    if ((GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE) == 0) return true;
  }
  return false;
}

}  // namespace

void Win32Button::SetPicture(ButtonPictures& pictures, const std::string& name, int size) {
  if (name.empty()) return;
  m_pictures = &pictures;
  m_pictureName = name;
  m_pictureSize = size;
  if (!OnHiddenPage(m_window)) ShowPicture();
}

void Win32Button::ShowPicture() {
  HIMAGELIST list = m_pictures->List(m_pictureName, m_pictureSize);
  m_pictureName.clear();
  if (list == nullptr) return;
  BUTTON_IMAGELIST shown;
  ZeroMemory(&shown, sizeof(shown));
  shown.himl = list;
  shown.margin.left = m_pictureSize / 4;
  shown.margin.right = m_pictureSize / 4;  // keeps the caption clear of the picture
  shown.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
  SendMessageA(m_window, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&shown));
}

void Win32Button::OnCommand(HWND, UINT code) {
  if (code == BN_CLICKED) Fire(onClick);
}

bool Win32Button::OnSubclassMessage(HWND window, UINT message, WPARAM, LPARAM, LRESULT&) {
  // The picture goes in before the button paints itself for the first time.
  if (message == WM_PAINT && !m_pictureName.empty()) ShowPicture();
  // While it has the focus it has the look of the button Enter presses (the thick frame).
  if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
    SendMessageA(window, BM_SETSTYLE, message == WM_SETFOCUS ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                 TRUE);
  }
  return false;
}

bool IsOptionButton(HWND window) {
  char windowClass[8] = {};
  GetClassNameA(window, windowClass, sizeof(windowClass));
  const LONG type = GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
  return lstrcmpiA(windowClass, "Button") == 0 &&
         (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON);
}

bool Win32RadioButton::Checked() const {
  return SendMessageA(m_window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32RadioButton::SetChecked(bool checked) {
  SendMessageA(m_window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!checked) return;
  for (HWND sibling = GetWindow(GetParent(m_window), GW_CHILD); sibling != nullptr;
       sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling != m_window && IsOptionButton(sibling)) {
      SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
}

}  // namespace ui::win32
