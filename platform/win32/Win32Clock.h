// The system clock and the time since start, and the clipboard.
#pragma once

#include "platform/Clipboard.h"
#include "platform/Clock.h"

namespace platform::win32 {

class Win32Clock : public Clock {
 public:
  std::int64_t SecondsSince1970() override;
  std::uint64_t MillisecondsSinceStart() override;
};

class Win32Clipboard : public Clipboard {
 public:
  bool SetText(Handle owner, const std::string& text) override;
};

}  // namespace platform::win32
