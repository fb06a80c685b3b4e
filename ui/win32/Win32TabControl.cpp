#include "ui/win32/Win32TabControl.h"

#include <commctrl.h>

#include "ui/win32/ContainerWindow.h"

namespace ui::win32 {

HWND Win32TabControl::AddPage(HINSTANCE instance, const std::string& caption, int id) {
  const int index = static_cast<int>(m_pages.size());
  TCITEMA item;
  ZeroMemory(&item, sizeof(item));
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(caption.c_str());
  if (SendMessageA(m_window, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item)) < 0) {
    return nullptr;
  }
  RECT display;
  GetClientRect(m_window, &display);
  SendMessageA(m_window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  HWND page = CreateContainer(instance, m_window, id, display, ContainerLook::Plain, index == 0);
  if (page == nullptr) {
    SendMessageA(m_window, TCM_DELETEITEM, index, 0);
    return nullptr;
  }
  SetWindowTextA(page, caption.c_str());
  m_pages.push_back(page);
  if (index == 0) SendMessageA(m_window, TCM_SETCURSEL, 0, 0);
  return page;
}

int Win32TabControl::ActivePage() const {
  return static_cast<int>(SendMessageA(m_window, TCM_GETCURSEL, 0, 0));
}

void Win32TabControl::SetActivePage(int index) {
  if (index < 0 || index >= PageCount()) return;
  SendMessageA(m_window, TCM_SETCURSEL, index, 0);
  ShowActivePage();
}

bool Win32TabControl::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.code != static_cast<UINT>(TCN_SELCHANGE)) return false;
  ShowActivePage();
  result = 0;
  return true;
}

void Win32TabControl::ShowActivePage() {
  const int active = ActivePage();
  // The focus must not stay behind on a page that goes: the tab header takes it.
  HWND focus = GetFocus();
  for (int index = 0; index < PageCount(); ++index) {
    if (index != active && focus != nullptr && IsChild(m_pages[index], focus)) SetFocus(m_window);
  }
  // Show the new page before hiding the old one, so that no bare background flashes.
  if (active >= 0 && active < PageCount()) {
    SetWindowPos(m_pages[active], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  }
  for (int index = 0; index < PageCount(); ++index) {
    if (index != active) ShowWindow(m_pages[index], SW_HIDE);
  }
}

}  // namespace ui::win32
