// "Undo Last Mode Change..." and "Restore Windows Settings...", and the uninstaller's silent
// restore.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace sharemode {

// The command line the uninstaller starts the program with.
inline constexpr const char* kRestoreCommandLine = "/RestoreWindowsSettings";

// True when the program's command line (without the program's name) asks for the silent
// restore; blanks around it and letter case do not matter.
bool IsRestoreCommandLine(const std::string& commandLine);

// Restores the settings from before Plinvo's first change, with no window and no box: the
// uninstaller has asked already. Returns the process's exit code: 0 when everything was set
// back (or nothing had been changed), 1 otherwise.
int RestoreWindowsSettingsSilently(platform::Platform& platform, const std::string& programFolder);

}  // namespace sharemode
