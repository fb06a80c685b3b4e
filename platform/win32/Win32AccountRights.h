// User rights through the local security authority.
#pragma once

#include "platform/AccountRights.h"

namespace platform::win32 {

class Win32AccountRights : public AccountRights {
 public:
  std::uint32_t Enumerate(const std::string& account, std::vector<std::string>& rights) override;
};

}  // namespace platform::win32
