#include "platform/memory/MemoryTextConversion.h"

namespace platform::memory {

bool MemoryTextConversion::AnsiToWide(const std::string& ansi, std::u16string& wide,
                                      std::size_t capacity) {
  wide.clear();
  if (ansi.size() + 1 > capacity) return false;
  for (unsigned char c : ansi) wide.push_back(static_cast<char16_t>(c));
  return true;
}

std::string MemoryTextConversion::WideToAnsi(const std::u16string& wide) {
  std::string ansi;
  ansi.reserve(wide.size());
  for (char16_t c : wide) ansi.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
  return ansi;
}

}  // namespace platform::memory
