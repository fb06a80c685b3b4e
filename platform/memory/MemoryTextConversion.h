// In-memory code-page conversion. The simulated ANSI code page is Latin-1: every byte is the
// UTF-16 unit of the same value; units above 255 have no ANSI form and become "?".
#pragma once

#include "platform/TextConversion.h"

namespace platform::memory {

class MemoryTextConversion : public TextConversion {
 public:
  bool AnsiToWide(const std::string& ansi, std::u16string& wide, std::size_t capacity) override;
  std::string WideToAnsi(const std::u16string& wide) override;
};

}  // namespace platform::memory
