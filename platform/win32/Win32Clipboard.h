// The clipboard, for the texts the program offers to copy.
#pragma once

#include "platform/Clipboard.h"

namespace platform::win32 {

class Win32Clipboard : public Clipboard {
 public:
  bool SetText(Handle owner, const std::string& text) override;
  bool SetUnicodeText(Handle owner, const std::u16string& text) override;
};

}  // namespace platform::win32
