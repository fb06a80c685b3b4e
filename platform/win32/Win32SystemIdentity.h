// Version record, logged-on user and computer name from the system.
#pragma once

#include "platform/SystemIdentity.h"

namespace platform::win32 {

class Win32SystemIdentity : public SystemIdentity {
 public:
  bool GetVersionEx(VersionRecord& record) override;
  bool GetUserName(std::string& name, std::uint32_t capacity) override;
  bool GetComputerName(std::string& name, std::uint32_t capacity) override;
  bool GetSuiteMask(std::uint32_t& mask) override;
  bool IsAdministrator() override;
};

}  // namespace platform::win32
