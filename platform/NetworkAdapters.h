// The computer's network adapters and their IPv4 addresses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct AdapterRecord {
  std::string name;                    // the adapter's identifier, "{GUID}"
  std::string description;             // what the system calls it
  std::vector<std::string> addresses;  // dotted IPv4 addresses, "0.0.0.0" when none
};

class NetworkAdapters {
 public:
  virtual ~NetworkAdapters() = default;
  // GetAdaptersInfo. Windows error code; 232 (ERROR_NO_DATA) when there is no adapter.
  virtual std::uint32_t List(std::vector<AdapterRecord>& adapters) = 0;
};

}  // namespace platform
