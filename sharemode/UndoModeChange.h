// "Undo Last Mode Change..." and "Restore Windows Settings...", the uninstaller's silent
// restore, and the setup's call that makes the folder for the saved settings.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace sharemode {

// The command line the uninstaller starts the program with.
inline constexpr const char* kRestoreCommandLine = "/RestoreWindowsSettings";

// The command line the setup program starts the program with: it makes Plinvo's own folder
// for the saved settings with the access list that the setup cannot set.
inline constexpr const char* kCreateFolderCommandLine = "/CreateSettingsFolder";

// True when the program's command line (without the program's name) asks for the silent
// restore, or for the folder; blanks around it and letter case do not matter.
bool IsRestoreCommandLine(const std::string& commandLine);
bool IsCreateFolderCommandLine(const std::string& commandLine);

// Restores the settings from before Plinvo's first change, with no window and no box: the
// uninstaller has asked already. Returns the process's exit code: 0 when everything was set
// back (or nothing had been changed), 1 otherwise.
int RestoreWindowsSettingsSilently(platform::Platform& platform, const std::string& programFolder);

// Makes the folder, or finds the one already made; 0 when there is one of ours, 1 otherwise.
int CreateSettingsFolderSilently(platform::FileSystem& files);

}  // namespace sharemode
