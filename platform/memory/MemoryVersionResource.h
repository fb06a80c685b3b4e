// In-memory version resources.
#pragma once

#include "platform/VersionResource.h"

namespace platform::memory {

class MemoryVersionResource : public VersionResource {
 public:
  bool ReadFixedFileVersion(const std::string&, FixedFileVersion&) override { return false; }
};

}  // namespace platform::memory
