// Looking for plain characters in ANSI text. On the double-byte code pages (Shift-JIS, GBK, Big5)
// the second byte of a character may be the code of "\", "[", "]" or "|", so the text is walked
// character by character, never byte by byte.
#pragma once

#include <cstddef>
#include <string>

#include "platform/TextConversion.h"

namespace shares {

class AnsiText {
 public:
  AnsiText(const std::string& text, platform::TextConversion& code) : m_text(text), m_code(code) {}

  // Calls `visit(position, size)` for each character in order; a lead byte with nothing after it
  // counts as a character of its own.
  template <class Visit>
  void ForEachCharacter(Visit visit) const {
    std::size_t at = 0;
    while (at < m_text.size()) {
      const bool lead = m_code.IsLeadByte(static_cast<unsigned char>(m_text[at]));
      const std::size_t size = lead && at + 1 < m_text.size() ? 2 : 1;
      visit(at, size);
      at += size;
    }
  }

  // The position of the last character that is the single byte `c`; npos when there is none.
  std::size_t FindLast(char c) const;
  bool EndsWith(char c) const;
  // Whether some character is one of the single bytes of `set`, or below 32, or 127.
  bool HasControlOrAnyOf(const char* set) const;

 private:
  const std::string& m_text;
  platform::TextConversion& m_code;
};

}  // namespace shares
