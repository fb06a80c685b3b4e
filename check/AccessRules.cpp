#include "check/AccessRules.h"

#include <algorithm>

namespace check {
namespace {

// FILE_READ_DATA (also the share's read bit), GENERIC_READ, GENERIC_ALL.
constexpr std::uint32_t kReadBits = 0x00000001u | 0x80000000u | 0x10000000u;
// FILE_WRITE_DATA, FILE_APPEND_DATA, FILE_WRITE_EA, FILE_DELETE_CHILD, FILE_WRITE_ATTRIBUTES,
// DELETE, WRITE_DAC, WRITE_OWNER, GENERIC_WRITE, GENERIC_ALL.
constexpr std::uint32_t kChangeBits = 0x00000002u | 0x00000004u | 0x00000010u | 0x00000040u |
                                      0x00000100u | 0x00010000u | 0x00040000u | 0x00080000u |
                                      0x40000000u | 0x10000000u;

bool Applies(const platform::AccessEntry& entry) {
  return (entry.flags & platform::kInheritOnlyAce) == 0;
}

bool Among(const std::string& sid, const std::vector<std::string>& who) {
  return std::find(who.begin(), who.end(), sid) != who.end();
}

}  // namespace

bool LetsRead(const platform::AccessList& list, const std::vector<std::string>& who) {
  if (!list.present) return true;
  bool allowed = false;
  for (const platform::AccessEntry& entry : list.entries) {
    if (!Applies(entry) || !Among(entry.sid, who) || (entry.mask & kReadBits) == 0) continue;
    // A denial wins over any allowance, wherever it stands.
    if (!entry.allowed) return false;
    allowed = true;
  }
  return allowed;
}

std::vector<std::string> WhoMayChange(const platform::AccessList& list) {
  if (!list.present) return {sids::kEveryone};
  std::vector<std::string> who;
  for (const platform::AccessEntry& entry : list.entries) {
    if (!entry.allowed || !Applies(entry) || (entry.mask & kChangeBits) == 0) continue;
    if (entry.sid == sids::kAdministrators || entry.sid == sids::kSystem ||
        entry.sid == sids::kTrustedInstaller || entry.sid == sids::kCreatorOwner) {
      continue;
    }
    if (!Among(entry.sid, who)) who.push_back(entry.sid);
  }
  return who;
}

std::string NameOfSid(const std::string& sid, const std::string& currentUser,
                      const std::string& guest) {
  if (sid == currentUser) return "your own account";
  if (sid == guest) return "the guest account";
  if (sid == sids::kEveryone) return "Everyone";
  if (sid == sids::kAuthenticatedUsers) return "Authenticated Users";
  if (sid == sids::kUsers) return "Users";
  if (sid == sids::kGuests) return "Guests";
  if (sid == "S-1-5-32-547") return "Power Users";
  if (sid == sids::kAdministrators) return "Administrators";
  return sid;
}

}  // namespace check
