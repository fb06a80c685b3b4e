// The settings file "config.ini" beside the program: it remembers the last applied share mode
// from one start to the next.
#pragma once

#include <string>

#include "platform/ProfileFile.h"

namespace sharemode {

// The mode a start-up falls back to when nothing was recorded: "Normal Share".
constexpr int kDefaultShareMode = 2;

std::string SettingsFilePath(const std::string& programFolder);

// The recorded mode as the system's profile reader gives it: `whenMissing` when the file, its
// section or its key is missing, anything else unchecked (the selector brings it into range).
int ReadRecordedShareMode(platform::ProfileFile& profile, const std::string& programFolder,
                          int whenMissing = kDefaultShareMode);

// Records `mode` as decimal text. A failure is not reported: the file then keeps the mode it
// held, which is what the next start restores.
void RecordShareMode(platform::ProfileFile& profile, const std::string& programFolder, int mode);

// Whether the file records a mode at all (an older start may have found none).
bool HasRecordedShareMode(platform::ProfileFile& profile, const std::string& programFolder);

}  // namespace sharemode
