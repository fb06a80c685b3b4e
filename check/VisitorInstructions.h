// The instructions the user hands to visitors: how to open this computer and its shared
// folders from another one, which account to use in the recorded mode, and what Windows 10 and
// 11 need of it. Plain text for the clipboard, in UTF-16 so that every share keeps its exact name.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace check {

// False when the text could not be made (Windows could not convert the computer's name).
bool VisitorInstructions(platform::Platform& platform, int mode, std::u16string& text);

}  // namespace check
