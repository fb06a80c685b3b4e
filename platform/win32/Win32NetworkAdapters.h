// The network adapters, through the IP helper library loaded from the system folder.
#pragma once

#include "platform/NetworkAdapters.h"

namespace platform::win32 {

class Win32NetworkAdapters : public NetworkAdapters {
 public:
  std::uint32_t List(std::vector<AdapterRecord>& adapters) override;
};

}  // namespace platform::win32
