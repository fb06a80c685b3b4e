// The time now and how long the computer has been running.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Seconds since 1 January 1970, UTC (GetSystemTimeAsFileTime).
  virtual std::int64_t SecondsSince1970() = 0;
  // Milliseconds since the computer started (GetTickCount64 where the system has it).
  virtual std::uint64_t MillisecondsSinceStart() = 0;
};

}  // namespace platform
