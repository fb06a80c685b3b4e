// The ANSI code page <-> UTF-16 conversions of the system (CP_ACP).
#pragma once

#include "platform/TextConversion.h"

namespace platform::win32 {

class Win32TextConversion : public TextConversion {
 public:
  bool AnsiToWide(const std::string& ansi, std::u16string& wide, std::size_t capacity) override;
  std::string WideToAnsi(const std::u16string& wide) override;
  void WideToAnsiInto(std::u16string_view wide, std::string& ansi) override;
  bool WideToAnsiExact(const std::u16string& wide, std::string& ansi) override;
  bool IsLeadByte(unsigned char byte) override;
};

}  // namespace platform::win32
