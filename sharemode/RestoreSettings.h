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
  std::vector<std::string> changedBack;  // "- <setting>: <state>" for each one really changed
  std::vector<std::string> failures;     // "<setting> could not be set back (error 5)."
  std::vector<std::string> ignored;      // what the record names that no share mode writes
};

// Writes the saved values back, deletes the ones that were absent, and sets the guest account
// and its rights as they were through the recipes' own tools, and a service's start type
// through the start-up's, each exit code read. A setting already as saved is left alone. Only what
// a recipe writes is carried out (sharemode/RestorableSettings.h); the rest is named.
RestoreOutcome RestoreSettings(platform::Platform& platform, const std::string& programFolder,
                               const SavedSettings& saved);

// The message after a restore.
std::string RestoreReport(const RestoreOutcome& outcome);

// "\n\nThe saved settings named more ...:\n- ..." for entries left out; empty when none.
std::string IgnoredText(const std::vector<std::string>& ignored);

}  // namespace sharemode
