// The question before a share is stopped: what visitors connected to it lose, and what Windows
// uses a share whose name ends in "$" for.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Platform.h"

namespace shares {

// "Stop sharing ...?" for the share of that record: the number of visitors connected to it when
// there are any, and for a name ending in "$" what Windows uses the share for.
std::string StopShareQuestion(platform::Platform& platform, const platform::ShareRecord& share);

}  // namespace shares
