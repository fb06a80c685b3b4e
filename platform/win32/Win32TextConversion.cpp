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
  // Most texts (a list's cells) fit a small buffer: converted in one call, not measured first.
  char small[256];
  const int written =
      WideCharToMultiByte(CP_ACP, 0, units, length, small, sizeof(small), nullptr, nullptr);
  if (written > 0) return std::string(small, static_cast<std::size_t>(written));
  const int needed = WideCharToMultiByte(CP_ACP, 0, units, length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::string();
  std::string ansi(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_ACP, 0, units, length, &ansi[0], needed, nullptr, nullptr);
  return ansi;
}

void Win32TextConversion::WideToAnsiInto(std::u16string_view wide, std::string& ansi) {
  if (wide.empty()) {
    ansi.clear();
    return;
  }
  const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
  const int length = static_cast<int>(wide.size());
  ansi.resize(ansi.capacity());
  int written = WideCharToMultiByte(CP_ACP, 0, units, length, &ansi[0],
                                    static_cast<int>(ansi.size()), nullptr, nullptr);
  if (written <= 0) {  // longer than the room there was
    written = WideCharToMultiByte(CP_ACP, 0, units, length, nullptr, 0, nullptr, nullptr);
    ansi.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    if (written > 0) {
      written = WideCharToMultiByte(CP_ACP, 0, units, length, &ansi[0], written, nullptr, nullptr);
    }
  }
  ansi.resize(static_cast<std::size_t>(written > 0 ? written : 0));
}

bool Win32TextConversion::WideToAnsiExact(const std::u16string& wide, std::string& ansi) {
  ansi.clear();
  if (wide.empty()) return true;
  const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
  const int length = static_cast<int>(wide.size());
  // Without WC_NO_BEST_FIT_CHARS a fullwidth backslash or quote would come out as the plain one
  // and nothing would say so.
  BOOL defaultUsed = FALSE;
  const int needed = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, length, nullptr, 0,
                                         nullptr, &defaultUsed);
  if (needed <= 0 || defaultUsed) return false;
  std::string converted(static_cast<std::size_t>(needed), '\0');
  defaultUsed = FALSE;
  if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, length, &converted[0], needed,
                          nullptr, &defaultUsed) != needed ||
      defaultUsed) {
    return false;
  }
  // Code pages for which the report is not given (and any mapping the flag does not cover) are
  // caught by converting back.
  std::u16string back;
  if (!AnsiToWide(converted, back, converted.size() + 1) || back != wide) return false;
  ansi = std::move(converted);
  return true;
}

bool Win32TextConversion::IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace platform::win32
