// The tabbed page control. Its pages are containers of ours inside the tab control's display
// area; the one of the selected tab is shown, the others are hidden.
#pragma once

#include <vector>

#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32TabControl : public Win32Control<ui::TabControl> {
 public:
  // Adds a tab and the page window behind it; the first page added is the active one.
  // Returns the page window, nullptr when it could not be made.
  HWND AddPage(HINSTANCE instance, const std::string& caption, int id);

  int ActivePage() const override;
  void SetActivePage(int index) override;
  int PageCount() const override { return static_cast<int>(m_pages.size()); }

  bool OnNotify(const NMHDR& header, LRESULT& result) override;

 private:
  void ShowActivePage();
  std::vector<HWND> m_pages;
};

}  // namespace ui::win32
