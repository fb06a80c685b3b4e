// In-memory network adapters.
#pragma once

#include "platform/NetworkAdapters.h"

namespace platform::memory {

class MemoryNetworkAdapters : public NetworkAdapters {
 public:
  std::uint32_t List(std::vector<AdapterRecord>& out) override {
    if (error != 0) return error;
    if (adapters.empty()) return 232;
    out = adapters;
    return 0;
  }

  std::vector<AdapterRecord> adapters{{"{4D36E972-0001}", "Network adapter", {"192.168.1.20"}}};
  std::uint32_t error = 0;
};

}  // namespace platform::memory
