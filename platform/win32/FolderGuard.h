// Reads who, besides the administrators and the system, could change a folder or the folders
// above it.
#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace platform::win32 {

// Walks "X:\", "X:\A", "X:\A\B" ... down to `folder`. Each must be a folder, none but the root
// a reparse point (its target's path would go unread), its owner trusted, and its access list
// must grant nobody else the right to delete it, delete what it holds, or change its
// permissions or owner. Creating new entries is allowed: it cannot move an existing one. Trusted
// are the administrators, the system and the installer service. Anything that cannot be read, a
// missing access list (everyone may do everything) and a path other than a drive's are exposed.
FolderGuard ReadFolderGuard(const std::string& folder);

// Whether the program's token holds the administrators group (enabled, so not the filtered
// token of an administrator that UAC runs unelevated).
bool TokenIsAdministrator();

}  // namespace platform::win32
