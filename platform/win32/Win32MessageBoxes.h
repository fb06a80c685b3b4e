// Modal message boxes of the system.
#pragma once

#include "platform/MessageBoxes.h"

namespace platform::win32 {

class Win32MessageBoxes : public MessageBoxes {
 public:
  int Show(Handle owner, const std::string& text, const std::string& caption,
           std::uint32_t style) override;
};

}  // namespace platform::win32
