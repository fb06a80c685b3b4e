#include "platform/FolderGuardRules.h"

#include "platform/WellKnownSids.h"

namespace platform {
namespace {

// BUILTIN\Administrators, LocalSystem, and the installer service that owns the Windows folder
// on Vista.
constexpr const char* kTrustedSids[] = {sids::kAdministrators, sids::kSystem,
                                        sids::kTrustedInstaller};
// CREATOR OWNER and CREATOR GROUP entries only stand in for the creator of a new entry, and
// OWNER RIGHTS applies to the owner, who is checked on its own.
constexpr const char* kPlaceholderSids[] = {sids::kCreatorOwner, sids::kCreatorGroup,
                                            sids::kOwnerRights};

template <std::size_t N>
bool OneOf(const std::string& sid, const char* const (&list)[N]) {
  for (const char* known : list) {
    if (sid == known) return true;
  }
  return false;
}

// BUILTIN\Administrators and LocalSystem alone.
constexpr const char* kAdministratorsAndSystem[] = {sids::kAdministrators, sids::kSystem};

constexpr std::uint32_t kInheritOnly = 0x08;
// DELETE, WRITE_DAC, WRITE_OWNER, FILE_DELETE_CHILD: the rights that let a holder move, remove
// or re-permit a folder or what is in it.
constexpr std::uint32_t kChangingRights = 0x00010000u | 0x00040000u | 0x00080000u | 0x00000040u;

// The generic rights as a file's specific ones (FILE_GENERIC_READ, _WRITE, _EXECUTE,
// FILE_ALL_ACCESS), as MapGenericMask does with the file mapping.
std::uint32_t FileRights(std::uint32_t mask) {
  struct Generic {
    std::uint32_t bit;
    std::uint32_t rights;
  };
  static constexpr Generic kMapping[] = {{0x80000000u, 0x00120089u},
                                         {0x40000000u, 0x00120116u},
                                         {0x20000000u, 0x001200A0u},
                                         {0x10000000u, 0x001F01FFu}};
  std::uint32_t rights = mask & 0x0FFFFFFFu;
  for (const Generic& generic : kMapping) {
    if ((mask & generic.bit) != 0) rights |= generic.rights;
  }
  return rights;
}

}  // namespace

std::vector<std::string> FoldersAlong(const std::string& folder) {
  if (folder.size() < 3 || folder[1] != ':' || folder[2] != '\\') return {};
  std::string path = folder;
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  std::vector<std::string> levels = {path.substr(0, 3)};
  for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1)) {
    levels.push_back(path.substr(0, at));
  }
  if (path.size() > 3) levels.push_back(path);
  for (const std::string& level : levels) {
    if (level.size() > 3 && level.back() == '\\') return {};  // "X:\A\\B"
  }
  return levels;
}

bool OnlyTrustedCanChange(const GuardedFolder& folder) {
  if (!folder.read || !folder.directory) return false;
  if (folder.reparsePoint && !folder.driveRoot) return false;
  // An owner may always rewrite the list.
  if (!OneOf(folder.owner, kTrustedSids) || !folder.hasAccessList) return false;
  for (const GuardEntry& entry : folder.entries) {
    if ((entry.flags & kInheritOnly) != 0) continue;            // not for this folder itself
    if (entry.kind == GuardEntry::Kind::Denied) continue;       // takes away, never gives
    if (entry.kind != GuardEntry::Kind::Allowed) return false;  // cannot tell what it gives
    if ((FileRights(entry.mask) & kChangingRights) == 0) continue;
    if (OneOf(entry.sid, kTrustedSids) || OneOf(entry.sid, kPlaceholderSids)) continue;
    return false;
  }
  return true;
}

bool OnlyAdministratorsMayOpen(const GuardedFolder& folder) {
  if (!folder.read || !folder.directory || folder.reparsePoint) return false;
  // A missing access list lets everyone in; an owner may always rewrite the list.
  if (!OneOf(folder.owner, kAdministratorsAndSystem) || !folder.hasAccessList) return false;
  for (const GuardEntry& entry : folder.entries) {
    if (entry.kind == GuardEntry::Kind::Denied) continue;
    if (entry.kind != GuardEntry::Kind::Allowed) return false;
    if (!OneOf(entry.sid, kAdministratorsAndSystem)) return false;
  }
  return true;
}

}  // namespace platform
