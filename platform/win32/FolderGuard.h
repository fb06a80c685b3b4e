// Reads who, besides the administrators and the system, could change a folder or the folders
// above it.
#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "platform/FolderGuardRules.h"

namespace platform::win32 {

// Reads "X:\", "X:\A", "X:\A\B" ... down to `folder` for the rules of
// platform/FolderGuardRules.h: attributes, owner and access list of each.
FolderGuard ReadFolderGuard(const std::string& folder);

// The attributes, owner and access list of one folder, as those rules take them.
GuardedFolder ReadGuardedFolder(const std::string& path);

// Whether the program's token holds the administrators group (enabled, so not the filtered
// token of an administrator that UAC runs unelevated).
bool TokenIsAdministrator();

}  // namespace platform::win32
