// Carrying out a share-mode recipe on the computer.
#pragma once

#include <string>

#include "platform/Failure.h"
#include "platform/Platform.h"
#include "sharemode/SettingsHistory.h"
#include "sharemode/ShareModeRecipes.h"
#include "sharemode/ToolFailureWarning.h"

namespace sharemode {

// The command line of a launch step. A companion tool's path is quoted: unquoted, a program
// folder with blanks ("C:\Program Files\...") would let the system start C:\Program.exe, with
// this program's administrator rights.
std::string LaunchCommandLine(const RecipeStep& step, const std::string& programFolder);

// Runs the steps in order, each launch waited for. The first refused write fails the run, naming
// the value; the steps before it stay done and none after it runs. A launch that does not
// succeed stops nothing: it is returned, in order, for the caller to report.
platform::Result<std::vector<FailedStep>> RunRecipe(platform::Platform& platform,
                                                    const Recipe& recipe,
                                                    const std::string& programFolder);

// What "Apply" and the unattended apply do before the recipe runs: the present state of what
// the mode's recipe changes is saved (the last record kept when the recorded mode is applied
// again).
SavedBeforeChange SaveBeforeApplying(platform::Platform& platform, const std::string& programFolder,
                                     int mode);

// The notice when the records went to a new folder because someone else holds the usual one.
std::string RecordsMovedText(const SavedBeforeChange& saved);

// After the recipe ran: the mode into config.ini, the time of the change beside the saved
// settings (the sharing check tells from it whether a restart is owed). False when the time
// could not be kept.
bool RecordAppliedMode(platform::Platform& platform, const std::string& programFolder, int mode);

// Each step of a recipe that ran to its end, one line each: the values written and every
// tool's outcome, as the unattended log and the event log tell them.
std::string StepsText(const Recipe& recipe, const std::string& programFolder,
                      const std::vector<FailedStep>& failures);

// Why a run stopped at a refused write, and what that left.
std::string StoppedText(const platform::Failure& failure);

// Tells the event log how the recipe of `mode` went: applied, with each step's outcome;
// applied, but a tool failed; or stopped at a refused write.
void WriteAppliedEvent(platform::Platform& platform, const std::string& programFolder, int mode,
                       const platform::Result<std::vector<FailedStep>>& run);

}  // namespace sharemode
