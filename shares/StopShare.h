// Stopping the share of the selected row of the shared-folder list.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace shares {

inline constexpr char kSelectFolderFirst[] = "Please select a folder first!";

// Deletes the share of that record, by its exact name, and gives the text that reports the
// outcome.
std::string StopShare(platform::Platform& platform, const platform::ShareRecord& share);

}  // namespace shares
