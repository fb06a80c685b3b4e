// In-memory accounts, rights and access lists, as a test sets them.
#pragma once

#include <map>
#include <set>

#include "platform/Accounts.h"

namespace platform::memory {

class MemoryAccounts : public Accounts {
 public:
  std::uint32_t GuestAccount(std::string& sid, bool& enabled) override {
    if (guestError != 0) return guestError;
    sid = guestSid;
    enabled = guestEnabled;
    return 0;
  }
  std::uint32_t AccountRights(const std::string& sid, std::vector<std::string>& out) override {
    if (rightsError != 0) return rightsError;
    auto found = rights.find(sid);
    out = found == rights.end() ? std::vector<std::string>{} : found->second;
    return 0;
  }
  std::uint32_t CurrentUser(std::string& sid) override {
    sid = currentUserSid;
    return 0;
  }
  std::uint32_t ShareAccess(const std::u16string& share, AccessList& list) override {
    return Find(shareAccess, share, list);
  }
  std::uint32_t FileAccess(const std::u16string& path, AccessList& list) override {
    return Find(fileAccess, path, list);
  }

  std::string guestSid = "S-1-5-21-1-2-3-501";
  bool guestEnabled = false;
  std::uint32_t guestError = 0;
  std::uint32_t rightsError = 0;
  // As a fresh XP: everyone may log on over the network, nobody is denied it.
  std::map<std::string, std::vector<std::string>> rights{{"S-1-1-0", {"SeNetworkLogonRight"}},
                                                         {"S-1-5-32-544", {"SeNetworkLogonRight"}}};
  std::string currentUserSid = "S-1-5-21-1-2-3-500";
  // By share name and by path; missing paths answer 2, errors set per name win.
  std::map<std::u16string, AccessList> shareAccess;
  std::map<std::u16string, AccessList> fileAccess;
  std::map<std::u16string, std::uint32_t> errors;

 private:
  std::uint32_t Find(const std::map<std::u16string, AccessList>& lists, const std::u16string& name,
                     AccessList& list) {
    auto error = errors.find(name);
    if (error != errors.end()) return error->second;
    auto found = lists.find(name);
    if (found == lists.end()) return 2;
    list = found->second;
    return 0;
  }
};

}  // namespace platform::memory
