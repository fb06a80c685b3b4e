// The service control manager: the state of a service and starting one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// SERVICE_STOPPED = 1, SERVICE_RUNNING = 4; start types SERVICE_AUTO_START = 2,
// SERVICE_DEMAND_START = 3, SERVICE_DISABLED = 4.
constexpr std::uint32_t kServiceStopped = 1;
constexpr std::uint32_t kServiceRunning = 4;
constexpr std::uint32_t kServiceDisabled = 4;
constexpr std::uint32_t kServiceNotInstalled = 1060;  // ERROR_SERVICE_DOES_NOT_EXIST

struct ServiceState {
  std::uint32_t currentState = 0;
  std::uint32_t startType = 0;
};

// One service asked about among several: its key name, and Query's answer for it.
struct ServiceQuery {
  const char* name = nullptr;
  ServiceState state;
  std::uint32_t result = 0;
};

class Services {
 public:
  virtual ~Services() = default;
  // QueryServiceStatus and QueryServiceConfigA of the service with that key name. Returns a
  // Windows error code: 1060 when no such service is installed, 5 when refused.
  virtual std::uint32_t Query(const std::string& name, ServiceState& state) = 0;
  // Query for each of `count` services, answered as Query answers each one. Windows opens the
  // service control manager once for all of them (under Wine each opening costs more than the
  // questions).
  virtual void QueryEach(ServiceQuery* queries, std::size_t count) = 0;
  // StartServiceA with no arguments; does not wait for the service to be running.
  virtual std::uint32_t Start(const std::string& name) = 0;
};

}  // namespace platform
