// A tab page, frame or panel as the program sees it: a control with a caption.
#pragma once

#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32Container : public Win32Control<ui::Control> {
 public:
  // `captionWindow` shows the caption: the frame of a group box; nullptr when the container
  // shows none of its own. A tab page's caption is its tab, at `tabIndex` of `tabs`.
  void Attach(HWND window, HWND captionWindow, HWND tabs = nullptr, int tabIndex = -1);

  std::string Text() const override;
  void SetText(const std::string& text) override;

 private:
  HWND m_caption = nullptr;
  HWND m_tabs = nullptr;
  int m_tabIndex = -1;
};

}  // namespace ui::win32
