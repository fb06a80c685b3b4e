// What of a saved record may be put back: only the values, the guest account and the rights
// that some share mode's recipe writes, read from the recipe tables, and what the start-up
// changes (the Computer Browser service's start type, each adapter's NetBIOS setting), and
// the Server service's offer to sign, which the sharing check turns on. Anything
// else a record names (an edited file, a Run entry, another right) is never carried out.
#pragma once

#include <string>
#include <vector>

#include "sharemode/SavedSettings.h"

namespace sharemode {

struct ScreenedSettings {
  SavedSettings allowed;
  std::vector<std::string> ignored;  // one line per entry left out, in words
};

ScreenedSettings ScreenSettings(const SavedSettings& record);

}  // namespace sharemode
