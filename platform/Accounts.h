// Accounts, their user rights, and the access lists of shares and files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/AccessEntry.h"

namespace platform {

// A discretionary access list. `present` false: the object has none (a null list, or a volume
// without access lists), so everyone may do everything.
struct AccessList {
  bool present = true;
  std::vector<AccessEntry> entries;
};

class Accounts {
 public:
  virtual ~Accounts() = default;
  // The built-in guest account (relative identifier 501 of this computer's accounts): its SID
  // and whether it is switched on. Windows error code.
  virtual std::uint32_t GuestAccount(std::string& sid, bool& enabled) = 0;
  // The user rights granted to the account or group directly (LsaEnumerateAccountRights);
  // none is success with an empty list.
  virtual std::uint32_t AccountRights(const std::string& sid, std::vector<std::string>& rights) = 0;
  // The SID of the user who runs the program.
  virtual std::uint32_t CurrentUser(std::string& sid) = 0;
  // The access list of a share (GetNamedSecurityInfoW, SE_LMSHARE), named exactly.
  virtual std::uint32_t ShareAccess(const std::u16string& share, AccessList& list) = 0;
  // The access list of a file or folder (SE_FILE_OBJECT) by its exact path; 2 or 3 when it does
  // not exist.
  virtual std::uint32_t FileAccess(const std::u16string& path, AccessList& list) = 0;
};

}  // namespace platform
