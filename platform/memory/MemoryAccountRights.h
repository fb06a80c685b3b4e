// In-memory user rights: each account's rights as a set.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/AccountRights.h"

namespace platform::memory {

class MemoryAccountRights : public AccountRights {
 public:
  std::uint32_t Enumerate(const std::string& account, std::vector<std::string>& rights) override {
    auto found = accounts.find(account);
    if (found == accounts.end()) return 1332;  // ERROR_NONE_MAPPED
    rights.assign(found->second.begin(), found->second.end());
    return 0;
  }

  // Accounts by name as the program spells them; a missing account cannot be looked up.
  std::map<std::string, std::set<std::string>> accounts;
};

}  // namespace platform::memory
