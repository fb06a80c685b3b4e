#include "shares/AccessWords.h"

#include <algorithm>

namespace shares {
namespace {

constexpr std::uint32_t kGenericAll = 0x10000000;
constexpr std::uint32_t kGenericWrite = 0x40000000;
constexpr std::uint32_t kGenericRead = 0x80000000;
constexpr std::uint32_t kGenericExecute = 0x20000000;
constexpr std::uint32_t kFullFileAccess = 0x1F01FF;
constexpr std::uint32_t kWriteBits = 0x2 | 0x4 | 0x10000 | kGenericWrite;  // data, append, delete
constexpr std::uint32_t kReadBits = 0x1 | kGenericRead | kGenericExecute;

const char* const kEveryone = "S-1-1-0";
const char* const kUsers = "S-1-5-32-545";
const char* const kGuests = "S-1-5-32-546";

bool IsGuestAccount(const std::string& sid) {
  // The local guest account is relative identifier 501 of the computer's own domain.
  return sid.rfind("S-1-5-21-", 0) == 0 && sid.size() > 4 &&
         sid.compare(sid.size() - 4, 4, "-501") == 0;
}

// Whose rights a guest visitor has: the account, its group, and everyone.
bool ReachesGuests(const std::string& sid) {
  return IsGuestAccount(sid) || sid == kGuests || sid == kEveryone;
}

GuestReach ReachOfMask(std::uint32_t mask) {
  if ((mask & kGenericAll) != 0 || (mask & kWriteBits) != 0) return GuestReach::Change;
  if ((mask & kReadBits) != 0) return GuestReach::Read;
  return GuestReach::None;
}

std::string MaskWords(std::uint32_t mask) {
  if ((mask & kGenericAll) != 0 || (mask & kFullFileAccess) == kFullFileAccess) {
    return "full control";
  }
  switch (ReachOfMask(mask)) {
    case GuestReach::Change:
      return "read and change";
    case GuestReach::Read:
      return "read only";
    default:
      return "special access";
  }
}

// Allowed rights of the entries that match, less what a denial takes away.
GuestReach Reach(const std::vector<platform::AccessEntry>& entries,
                 bool (*matches)(const std::string&)) {
  std::uint32_t allowed = 0;
  std::uint32_t denied = 0;
  for (const platform::AccessEntry& entry : entries) {
    if (!matches(entry.sid)) continue;
    (entry.allowed ? allowed : denied) |= entry.mask;
  }
  if (ReachOfMask(denied) == GuestReach::Read) return GuestReach::None;
  if (ReachOfMask(denied) == GuestReach::Change) {
    return (allowed & kReadBits) != 0 || (allowed & kGenericAll) != 0 ? GuestReach::Read
                                                                      : GuestReach::None;
  }
  return ReachOfMask(allowed);
}

std::string EntryLine(const std::string& name, const std::vector<platform::AccessEntry>& entries,
                      const std::string& sid) {
  std::uint32_t allowed = 0;
  std::uint32_t denied = 0;
  bool any = false;
  for (const platform::AccessEntry& entry : entries) {
    if (entry.sid != sid && !(sid == "guest" && IsGuestAccount(entry.sid))) continue;
    any = true;
    (entry.allowed ? allowed : denied) |= entry.mask;
  }
  if (!any) return name + ": no entry";
  std::string line = name + ": ";
  if (allowed != 0) line += MaskWords(allowed);
  if (denied != 0) {
    // Reading refused takes everything; writing refused leaves reading.
    const bool all = (denied & kReadBits) != 0 || (denied & kGenericAll) != 0;
    line +=
        std::string(allowed != 0 ? ", but " : "") + (all ? "no access (denied)" : "changes denied");
  }
  return line;
}

}  // namespace

std::string TrusteeName(const std::string& sid) {
  if (IsGuestAccount(sid)) return "Guest";
  static const std::pair<const char*, const char*> kKnown[] = {{kEveryone, "Everyone"},
                                                               {kUsers, "Users"},
                                                               {kGuests, "Guests"},
                                                               {"S-1-5-32-544", "Administrators"},
                                                               {"S-1-5-32-547", "Power Users"},
                                                               {"S-1-5-18", "SYSTEM"},
                                                               {"S-1-5-7", "Anonymous Logon"},
                                                               {"S-1-5-11", "Authenticated Users"},
                                                               {"S-1-5-2", "Network"},
                                                               {"S-1-5-4", "Interactive"},
                                                               {"S-1-3-0", "Creator Owner"}};
  for (const auto& known : kKnown) {
    if (sid == known.first) return known.second;
  }
  if (sid.rfind("S-1-5-21-", 0) == 0 && sid.size() > 4 &&
      sid.compare(sid.size() - 4, 4, "-500") == 0) {
    return "Administrator";
  }
  return sid;
}

std::vector<std::string> SharePermissionLines(const platform::ShareDetails& details) {
  if (!details.hasAccessList) return {"Everyone: full control (the share sets no limits)"};
  if (details.entries.empty()) return {"Nobody: the share's list is empty"};
  std::vector<std::string> lines;
  std::vector<std::string> done;
  for (const platform::AccessEntry& entry : details.entries) {
    if (std::find(done.begin(), done.end(), entry.sid) != done.end()) continue;
    done.push_back(entry.sid);
    lines.push_back(EntryLine(TrusteeName(entry.sid), details.entries, entry.sid));
  }
  return lines;
}

std::vector<std::string> FolderPermissionLines(bool hasAccessList,
                                               const std::vector<platform::AccessEntry>& entries) {
  if (!hasAccessList) return {"Everyone: full control (the folder sets no limits)"};
  return {EntryLine("Guest", entries, "guest"), EntryLine("Everyone", entries, kEveryone),
          EntryLine("Users", entries, kUsers)};
}

GuestReach GuestReachOf(const platform::ShareDetails& share, bool folderHasAccessList,
                        const std::vector<platform::AccessEntry>& folder) {
  const GuestReach throughShare =
      share.hasAccessList ? Reach(share.entries, ReachesGuests) : GuestReach::Change;
  const GuestReach throughFolder =
      folderHasAccessList ? Reach(folder, ReachesGuests) : GuestReach::Change;
  return std::min(throughShare, throughFolder);
}

std::string ModeWarning(int mode, GuestReach guests, bool othersHaveFolderEntry) {
  if (mode == 0) {
    return "The recorded mode is Stop Share: visitors cannot reach this share at all.";
  }
  if (mode == 1 && guests == GuestReach::None) {
    return "In Zendry Share visitors come in as the guest account, which cannot open this "
           "share: they will be refused.";
  }
  if (mode == 2 && guests != GuestReach::None && !othersHaveFolderEntry) {
    return "Only guest visitors may open this folder, but in Normal Share visitors log on "
           "with their own accounts: they will be refused.";
  }
  return std::string();
}

std::string ShareAddress(const std::string& computer, const std::string& share) {
  return "\\\\" + computer + "\\" + share;
}

}  // namespace shares
