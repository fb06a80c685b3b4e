// The two records of the computer's own settings: before Plinvo's first change (kept once
// made) and before its last one. They live in Plinvo's own folder under the data folder of all
// users, which only administrators and the system can change (sharemode/RecordsFolder.h).
#pragma once

#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "sharemode/RecordsFolder.h"
#include "sharemode/SavedSettings.h"

namespace sharemode {

struct SettingsHistory {
  std::optional<SavedSettings> first;
  std::optional<SavedSettings> last;
};

// The record file's path; empty when the system does not tell the data folder.
std::string HistoryFilePath(platform::FileSystem& files);

enum class HistoryRead { Read, Untrusted, Unreadable };

// A missing file reads as an empty history. Untrusted: the file lies in a folder held by
// someone else, and Plinvo has no folder of its own yet. `found`, when given, learns the state
// of the records folder looked at, so that a caller need not look again.
HistoryRead LoadHistory(platform::FileSystem& files, SettingsHistory& history,
                        RecordsFolder::State* found = nullptr);

// Writes the history into Plinvo's own folder, making it when there is none; an empty history
// deletes the file. False when no folder of ours could be had or the write failed.
bool SaveHistory(platform::FileSystem& files, const SettingsHistory& history);

struct SavedBeforeChange {
  bool saved = false;
  std::string folder;   // where the records went
  std::string instead;  // set when `folder` was made just now because someone else holds this
};

// Before a recipe runs: records as the last record what it is about to change (a setting it
// leaves as it is is not in it), or keeps the last record when `sameModeAgain`, the recorded
// mode being applied again; and adds the present state to the first where that lacks it.
SavedBeforeChange SaveBeforeChange(platform::Platform& platform, const Recipe& recipe,
                                   bool sameModeAgain);

// The file's text and its reading; exposed for the round trip.
std::string FormatHistory(const SettingsHistory& history);
bool ParseHistory(const std::string& text, SettingsHistory& history);

}  // namespace sharemode
