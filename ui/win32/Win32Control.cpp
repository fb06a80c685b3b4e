#include "ui/win32/Win32Control.h"

#include <vector>

namespace ui::win32 {

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return std::string();
  // The length may be an over-estimate for some code pages; the copy reports the real one.
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), copied > 0 ? copied : 0);
}

}  // namespace ui::win32
