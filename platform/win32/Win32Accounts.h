// Accounts, user rights and access lists, through the security calls of advapi32 and the
// account call of the network library, loaded from the system folder.
#pragma once

#include "platform/Accounts.h"

namespace platform::win32 {

class Win32Accounts : public Accounts {
 public:
  std::uint32_t GuestAccount(std::string& sid, bool& enabled) override;
  std::uint32_t AccountRights(const std::string& sid, std::vector<std::string>& rights) override;
  std::uint32_t CurrentUser(std::string& sid) override;
  std::uint32_t ShareAccess(const std::u16string& share, AccessList& list) override;
  std::uint32_t FileAccess(const std::u16string& path, AccessList& list) override;
};

}  // namespace platform::win32
