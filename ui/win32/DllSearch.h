// Keeps the current folder out of the places the system searches for libraries.
#pragma once

namespace ui::win32 {

// SetDllDirectoryA("") where the system has it (XP SP1 and later); elsewhere nothing happens.
// Returns true when the current folder was removed from the search.
bool DropCurrentFolderFromDllSearch();

}  // namespace ui::win32
