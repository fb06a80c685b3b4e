// In-memory name resolution.
#pragma once

#include "platform/NameResolution.h"

namespace platform::memory {

class MemoryNameResolution : public NameResolution {
 public:
  int Startup(std::uint16_t) override { return 0; }
  int Cleanup() override { return 0; }
};

}  // namespace platform::memory
