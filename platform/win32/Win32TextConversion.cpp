#include "platform/win32/Win32TextConversion.h"

#include <vector>

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

bool Win32TextConversion::AnsiToWide(const std::string& ansi, std::u16string& wide,
                                     std::size_t capacity) {
  wide.clear();
  if (ansi.empty()) return capacity >= 1;
  const int length = static_cast<int>(ansi.size());
  const int needed = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  if (needed <= 0 || static_cast<std::size_t>(needed) + 1 > capacity) return false;
  std::vector<wchar_t> buffer(static_cast<std::size_t>(needed));
  if (MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, buffer.data(), needed) != needed) {
    return false;
  }
  wide.assign(buffer.begin(), buffer.end());
  return true;
}

std::string Win32TextConversion::WideToAnsi(const std::u16string& wide) {
  if (wide.empty()) return std::string();
  const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
  const int length = static_cast<int>(wide.size());
  const int needed = WideCharToMultiByte(CP_ACP, 0, units, length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::string();
  std::string ansi(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_ACP, 0, units, length, &ansi[0], needed, nullptr, nullptr);
  return ansi;
}

}  // namespace platform::win32
