// Version record, logged-on user and computer name from the system.
#pragma once

// clang-format off
// First, so that a <windows.h> included earlier cannot rename the methods below (A/W macros).
#include "platform/win32/WindowsApi.h"
#include "platform/SystemIdentity.h"
// clang-format on

namespace platform::win32 {

class Win32SystemIdentity : public SystemIdentity {
 public:
  bool GetVersionEx(VersionRecord& record) override;
  bool GetUserName(std::string& name, std::uint32_t capacity) override;
  bool GetComputerName(std::string& name, std::uint32_t capacity) override;
};

}  // namespace platform::win32
