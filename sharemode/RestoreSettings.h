// Putting saved settings back: the confirmation's list in plain words, the steps, and the
// honest account of how each went.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "sharemode/SavedSettings.h"

namespace sharemode {

// One line per setting, "- Windows Firewall: on"; settings saved twice (the two control sets)
// are named once.
std::vector<std::string> DescribeSettings(const SavedSettings& saved);

struct RestoreOutcome {
  int done = 0;
  std::vector<std::string> failures;  // "<setting> could not be set back (error 5)."
};

// Writes the saved values back, deletes the ones that were absent, and sets the guest account
// and its rights as they were through the recipes' own tools, each exit code read.
RestoreOutcome RestoreSettings(platform::Platform& platform, const std::string& programFolder,
                               const SavedSettings& saved);

// The message after a restore.
std::string RestoreReport(const RestoreOutcome& outcome);

}  // namespace sharemode
