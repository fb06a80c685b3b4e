// One-line and multi-line text fields. The one-line fields are Unicode windows, so that what
// the user types is kept as typed rather than in the ANSI code page.
#pragma once

#include <vector>

#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32Edit : public Win32Control<ui::Edit> {
 public:
  std::u16string WideText() const override {
    const int length = GetWindowTextLengthW(m_window);
    if (length <= 0) return std::u16string();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(m_window, buffer.data(), length + 1);
    return std::u16string(buffer.data(), buffer.data() + (copied > 0 ? copied : 0));
  }
};

}  // namespace ui::win32
