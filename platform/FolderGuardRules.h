// Who besides the administrators and the system could change a folder or a folder above it,
// decided from what was read of each folder along the path. The reading is the system's
// (platform/win32/FolderGuard.cpp); the rules are here, where they run in the unit tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace platform {

// One entry of a folder's access list as stored: its kind, flags, rights and account.
struct GuardEntry {
  enum class Kind { Allowed, Denied, Other } kind = Kind::Allowed;  // Other: audit, object ...
  std::uint32_t flags = 0;  // INHERIT_ONLY_ACE (0x08): for what the folder holds only
  std::uint32_t mask = 0;   // generic rights as stored, not yet mapped
  std::string sid;          // as text; empty when it could not be written so
};

// What was read of one folder along the path.
struct GuardedFolder {
  bool read = false;  // its attributes, owner and whole access list were read
  bool directory = false;
  bool reparsePoint = false;   // a junction, link or mounted volume
  bool driveRoot = false;      // "X:\"
  std::string owner;           // as text; empty when it could not be written so
  bool hasAccessList = false;  // none: everyone may do everything
  std::vector<GuardEntry> entries;
};

// "X:\", "X:\A", "X:\A\B" ... down to `folder`, trailing separators left out. Empty for a path
// other than a drive's, or one with an empty part ("X:\A\\B").
std::vector<std::string> FoldersAlong(const std::string& folder);

// Whether nobody but the administrators, the system and the installer service can delete the
// folder, delete what it holds, or change its permissions or owner. Creating new entries is
// allowed: it cannot move an existing one. A folder not read, not a folder, a reparse point
// other than a drive's root (its target's path would go unread), another owner, a missing access
// list and an entry of a kind Plinvo does not know all count as changeable by others.
bool OnlyTrustedCanChange(const GuardedFolder& folder);

// Whether the folder is one only the administrators and the system may open at all, as the
// folder for Plinvo's records must be: a folder, no reparse point, owned by either, with an
// access list whose every allowed entry, inherited or not, is theirs.
bool OnlyAdministratorsMayOpen(const GuardedFolder& folder);

// AdministratorsOnly when that holds of every folder along the path, read one after the other
// by `read` (a path in, a GuardedFolder out) until one does not; Exposed also for a path the
// rules cannot follow.
template <typename Read>
FolderGuard GuardAlong(const std::string& folder, Read&& read) {
  const std::vector<std::string> levels = FoldersAlong(folder);
  if (levels.empty()) return FolderGuard::Exposed;
  for (const std::string& level : levels) {
    if (!OnlyTrustedCanChange(read(level))) return FolderGuard::Exposed;
  }
  return FolderGuard::AdministratorsOnly;
}

}  // namespace platform
