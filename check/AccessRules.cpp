#include "check/AccessRules.h"

#include "check/Rows.h"

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

bool Among(std::string_view sid, std::initializer_list<std::string_view> who) {
  for (const std::string_view one : who) {
    if (sid == one) return true;
  }
  return false;
}

struct SidName {
  const char* sid;
  const char* name;
};

const SidName kSidNames[] = {
    {sids::kEveryone, "Everyone"},   {sids::kAuthenticatedUsers, "Authenticated Users"},
    {sids::kUsers, "Users"},         {sids::kGuests, "Guests"},
    {"S-1-5-32-547", "Power Users"}, {sids::kAdministrators, "Administrators"},
};

}  // namespace

bool LetsRead(const platform::AccessList& list, std::initializer_list<std::string_view> who) {
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
    if (Among(entry.sid, {sids::kAdministrators, sids::kSystem, sids::kTrustedInstaller,
                          sids::kCreatorOwner})) {
      continue;
    }
    if (!Contains(who, entry.sid)) who.push_back(entry.sid);
  }
  return who;
}

std::string NameOfSid(const std::string& sid, const std::string& currentUser,
                      const std::string& guest) {
  if (sid == currentUser) return "your own account";
  if (sid == guest) return "the guest account";
  for (const SidName& known : kSidNames) {
    if (sid == known.sid) return known.name;
  }
  return sid;
}

}  // namespace check
