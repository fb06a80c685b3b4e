// "Undo Last Mode Change..." and "Restore Windows Settings..." (the unattended verbs run the
// same plan), and the setup's call that makes the folder for the saved settings.
#pragma once

#include <string>

#include "platform/Platform.h"
#include "sharemode/RestorableSettings.h"
#include "sharemode/RestoreSettings.h"
#include "sharemode/SettingsHistory.h"

namespace sharemode {

// The command line the setup program starts the program with: it makes Plinvo's own folder
// for the saved settings with the access list that the setup cannot set.
inline constexpr char kCreateFolderCommandLine[] = "/CreateSettingsFolder";

// True when the program's command line (without the program's name) asks for the folder;
// blanks around it and letter case do not matter. (The uninstaller's restore is one of the
// unattended verbs, app/VerbCommandLine.h.)
bool IsCreateFolderCommandLine(const std::string& commandLine);

// Which record a restore puts back: the one of the last change, or the settings from before
// Plinvo's first change.
enum class UndoTarget { Last, First };

// What a restore would put back, read before anything changes; shared by the menu entries and
// the unattended verbs.
struct UndoPlan {
  UndoTarget target = UndoTarget::Last;
  HistoryRead read = HistoryRead::Read;  // anything else: nothing can be put back
  std::string historyPath;               // the file read, for the messages
  SettingsHistory history;
  ScreenedSettings screened;  // of the chosen record; `allowed` empty: nothing to put back

  const SavedSettings& Record() const;
};
UndoPlan PlanUndo(platform::FileSystem& files, UndoTarget target);

// Why the saved settings cannot be used, ending "Nothing was changed."
std::string UnusableText(const UndoPlan& plan);
// "There is no share-mode change to undo." or its counterpart for a full restore.
const char* NothingToUndoText(UndoTarget target);

// Puts the plan's record back; when everything went back, forgets it and records no mode as
// applied; and the time when a setting was really changed.
RestoreOutcome CarryOutUndo(platform::Platform& platform, const std::string& programFolder,
                            const UndoPlan& plan);

// Makes the folder, or finds the one already made; 0 when there is one of ours, 1 otherwise.
int CreateSettingsFolderSilently(platform::FileSystem& files);

}  // namespace sharemode
