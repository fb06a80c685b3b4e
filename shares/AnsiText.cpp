#include "shares/AnsiText.h"

#include <cstring>

namespace shares {

std::size_t AnsiText::FindLast(char c) const {
  std::size_t found = std::string::npos;
  ForEachCharacter([&](std::size_t at, std::size_t size) {
    if (size == 1 && m_text[at] == c) found = at;
  });
  return found;
}

bool AnsiText::EndsWith(char c) const {
  return !m_text.empty() && FindLast(c) == m_text.size() - 1;
}

bool AnsiText::HasControlOrAnyOf(const char* set) const {
  bool found = false;
  ForEachCharacter([&](std::size_t at, std::size_t size) {
    const auto byte = static_cast<unsigned char>(m_text[at]);
    if (size == 1 && (byte < 32 || byte == 127 || std::strchr(set, byte) != nullptr)) {
      found = true;
    }
  });
  return found;
}

}  // namespace shares
