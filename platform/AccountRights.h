// The user rights the local security policy gives an account.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class AccountRights {
 public:
  virtual ~AccountRights() = default;
  // The rights of the local account of that name ("SeNetworkLogonRight", ...): looked up by
  // name, then LsaEnumerateAccountRights. An account that holds no right answers success with
  // none; a Windows error code otherwise.
  virtual std::uint32_t Enumerate(const std::string& account, std::vector<std::string>& rights) = 0;
};

}  // namespace platform
