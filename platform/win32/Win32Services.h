// The service control manager, through the ANSI service calls.
#pragma once

#include "platform/Services.h"

namespace platform::win32 {

class Win32Services : public Services {
 public:
  std::uint32_t Query(const std::string& name, ServiceState& state) override;
  void QueryEach(ServiceQuery* queries, std::size_t count) override;
  std::uint32_t Start(const std::string& name) override;
};

}  // namespace platform::win32
