// The two records of the computer's own settings: before Plinvo's first change (kept once
// made) and before its last one. They live in a folder of ours under the data folder of all
// users that only administrators and the system can change: restoring writes whatever the
// file says into security settings, so nobody else may be able to write it.
#pragma once

#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "sharemode/SavedSettings.h"

namespace sharemode {

struct SettingsHistory {
  std::optional<SavedSettings> first;
  std::optional<SavedSettings> last;
};

// The record file's path; empty when the system does not tell the data folder.
std::string HistoryFilePath(platform::FileSystem& files);

enum class HistoryRead { Read, Untrusted, Unreadable };

// A missing file reads as an empty history. Untrusted: the folder is not ours alone.
HistoryRead LoadHistory(platform::FileSystem& files, SettingsHistory& history);

// Writes the history, creating the folder (private) when it is missing; an empty history
// deletes the file. False when the folder is not ours alone or the write failed.
bool SaveHistory(platform::FileSystem& files, const SettingsHistory& history);

// Before a recipe runs: records what it is about to change as the last record, and adds it to
// the first where that lacks it. False when the record could not be kept.
bool SaveBeforeChange(platform::Platform& platform, const Recipe& recipe);

// The file's text and its reading; exposed for the round trip.
std::string FormatHistory(const SettingsHistory& history);
bool ParseHistory(const std::string& text, SettingsHistory& history);

}  // namespace sharemode
