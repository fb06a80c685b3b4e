// ANSI code page <-> UTF-16 at the share service's boundary.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

class TextConversion {
 public:
  virtual ~TextConversion() = default;
  // MultiByteToWideChar(CP_ACP). Returns false when the text does not fit `capacity` UTF-16
  // units including the terminator, or cannot be converted; `wide` is then empty.
  virtual bool AnsiToWide(const std::string& ansi, std::u16string& wide, std::size_t capacity) = 0;
  // WideCharToMultiByte(CP_ACP); characters without an ANSI form become the system default.
  virtual std::string WideToAnsi(const std::u16string& wide) = 0;
};

}  // namespace platform
