// The system clock and the time since start.
#pragma once

#include "platform/Clock.h"

namespace platform::win32 {

class Win32Clock : public Clock {
 public:
  std::int64_t SecondsSince1970() override;
  std::uint64_t MillisecondsSinceStart() override;
};

}  // namespace platform::win32
