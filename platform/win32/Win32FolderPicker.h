// The system's folder picker, for the shell family's BrowseForFolder.
#pragma once

#include <optional>
#include <string>

namespace platform::win32 {

// SHBrowseForFolderA, file-system folders only, no initial selection, modal to the active window
// (the dialog whose button opened it). Critical-error boxes are suppressed while it is open.
// The path in UTF-16; nullopt when the user cancels or the choice has no file-system path.
std::optional<std::u16string> BrowseForFolder(const std::string& title);

}  // namespace platform::win32
