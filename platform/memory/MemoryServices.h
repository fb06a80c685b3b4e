// In-memory service control manager: services as a test installs them; starts are recorded.
#pragma once

#include <map>
#include <set>
#include <vector>

#include "platform/Services.h"

namespace platform::memory {

class MemoryServices : public Services {
 public:
  std::uint32_t Query(const std::string& name, ServiceState& state) override {
    if (refused.count(name) > 0) return 5;
    auto found = installed.find(name);
    if (found == installed.end()) return kServiceNotInstalled;
    state = found->second;
    return 0;
  }
  void QueryEach(ServiceQuery* queries, std::size_t count) override {
    for (std::size_t index = 0; index < count; ++index) {
      queries[index].result = Query(queries[index].name, queries[index].state);
    }
  }
  std::uint32_t Start(const std::string& name) override {
    started.push_back(name);
    auto found = installed.find(name);
    if (found == installed.end()) return kServiceNotInstalled;
    auto failure = startFailures.find(name);
    if (failure != startFailures.end()) return failure->second;
    if (found->second.startType == kServiceDisabled) return 1058;  // ERROR_SERVICE_DISABLED
    found->second.currentState = kServiceRunning;
    return 0;
  }

  // Key name -> state; a fresh world has the three sharing services running.
  std::map<std::string, ServiceState> installed{{"LanmanServer", {kServiceRunning, 2}},
                                                {"Browser", {kServiceRunning, 2}},
                                                {"lmhosts", {kServiceRunning, 2}}};
  std::set<std::string> refused;                       // queries answered 5
  std::map<std::string, std::uint32_t> startFailures;  // starts answered with that error
  std::vector<std::string> started;                    // every start asked for, in order
};

}  // namespace platform::memory
