// In-memory code-page conversion.
#pragma once

#include "platform/TextConversion.h"

namespace platform::memory {

class MemoryTextConversion : public TextConversion {
 public:
  bool AnsiToWide(const std::string& ansi, std::u16string& wide, std::size_t capacity) override {
    if (ansi.size() + 1 > capacity) return false;
    wide.assign(ansi.begin(), ansi.end());
    return true;
  }
  std::string WideToAnsi(const std::u16string& wide) override {
    return std::string(wide.begin(), wide.end());
  }
};

}  // namespace platform::memory
