// ANSI code page <-> UTF-16 at the share service's boundary.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

class TextConversion {
 public:
  virtual ~TextConversion() = default;
  // MultiByteToWideChar(CP_ACP). Returns false when the text does not fit `capacity` UTF-16
  // units including the terminator, or cannot be converted; `wide` is then empty.
  virtual bool AnsiToWide(const std::string& ansi, std::u16string& wide, std::size_t capacity) = 0;
  // WideCharToMultiByte(CP_ACP); characters without an ANSI form become the system default.
  virtual std::string WideToAnsi(const std::u16string& wide) = 0;
  // The same into `ansi`, whose room is used again: a list's fill converts many texts in a row.
  virtual void WideToAnsiInto(std::u16string_view wide, std::string& ansi) {
    ansi = WideToAnsi(std::u16string(wide));
  }
  // WideCharToMultiByte(CP_ACP) without best-fit look-alikes. True only when every character has
  // its own form in the code page: none became the default character and the result converts
  // back to the same UTF-16 text. `ansi` is then that form; otherwise it is empty.
  virtual bool WideToAnsiExact(const std::u16string& wide, std::string& ansi) = 0;
  // IsDBCSLeadByte: whether `byte` opens a two-byte character in the ANSI code page, whose
  // second byte may then be any value from 0x40 up, a backslash included.
  virtual bool IsLeadByte(unsigned char byte) = 0;
};

}  // namespace platform
