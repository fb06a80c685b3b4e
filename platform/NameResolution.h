// Socket name resolution: the computer's own IPv4 addresses. The resolver entry points are bound
// at run time from a system library when it has them; the program's own IPv4-only fallback
// stands in otherwise.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Types.h"

namespace platform {

class NameResolution {
 public:
  virtual ~NameResolution() = default;
  // Placeholder surface; the identity label's resolver shapes this interface.
  virtual int Startup(std::uint16_t version) = 0;
  virtual int Cleanup() = 0;
};

}  // namespace platform
