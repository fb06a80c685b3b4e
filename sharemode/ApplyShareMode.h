// Carrying out a share-mode recipe on the computer.
#pragma once

#include <string>

#include "platform/Failure.h"
#include "platform/Platform.h"
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

}  // namespace sharemode
