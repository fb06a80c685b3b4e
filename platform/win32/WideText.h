// Text of the ANSI code page as UTF-16 for the W calls, null-terminated. A vector rather than a
// wide string: the runtime's prebuilt wide-string code would come with it and weigh the program
// down by some 35 KiB.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

// `flags` as MultiByteToWideChar takes them; MB_ERR_INVALID_CHARS gives the empty text (just the
// terminating null) for text that does not convert.
inline std::vector<wchar_t> WideFromAnsi(const std::string& text, DWORD flags = 0) {
  std::vector<wchar_t> wide(1, L'\0');
  if (text.empty()) return wide;
  const int length = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(CP_ACP, flags, text.data(), length, nullptr, 0);
  if (needed <= 0) return wide;
  wide.assign(static_cast<std::size_t>(needed) + 1, L'\0');
  MultiByteToWideChar(CP_ACP, flags, text.data(), length, wide.data(), needed);
  return wide;
}

}  // namespace platform::win32
