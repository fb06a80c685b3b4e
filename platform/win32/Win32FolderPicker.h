// The system's folder picker, for the shell family's BrowseForFolder.
#pragma once

#include <optional>
#include <string>

#include "platform/Types.h"

namespace platform::win32 {

// SHBrowseForFolderA, file-system folders only, no initial selection, modal to `owner` (the
// active window when 0). Critical-error boxes are suppressed while it is open. nullopt when the
// user cancels or the choice has no file-system path.
std::optional<std::string> BrowseForFolder(Handle owner, const std::string& title);

}  // namespace platform::win32
