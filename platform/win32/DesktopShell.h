// Opening an address through the logged-on user's desktop shell.
#pragma once

#include <string>

namespace platform::win32 {

// Asks the desktop's folder view for the shell's automation object and has it run
// ShellExecute: the program that opens the address is then started by the desktop shell, with
// its rights, not this program's. False when any step of that fails.
bool OpenThroughDesktopShell(const std::string& address, int showCommand);

}  // namespace platform::win32
