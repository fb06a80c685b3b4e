#include "ui/win32/Win32Container.h"

#include <commctrl.h>

namespace ui::win32 {

void Win32Container::Attach(HWND window, HWND captionWindow, HWND tabs, int tabIndex) {
  Win32Control::Attach(window);
  m_caption = captionWindow;
  m_tabs = tabs;
  m_tabIndex = tabIndex;
}

std::string Win32Container::Text() const {
  if (m_caption != nullptr) return WindowText(m_caption);
  return WindowText(m_window);
}

void Win32Container::SetText(const std::string& text) {
  Win32Control::SetText(text);
  if (m_caption != nullptr) SetWindowTextA(m_caption, text.c_str());
  if (m_tabs != nullptr && m_tabIndex >= 0) {
    std::string caption = text;
    TCITEMA item;
    ZeroMemory(&item, sizeof(item));
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageA(m_tabs, TCM_SETITEMA, m_tabIndex, reinterpret_cast<LPARAM>(&item));
  }
}

}  // namespace ui::win32
