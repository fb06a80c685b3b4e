// Putting a share's or a computer's address on the clipboard, for the user to paste elsewhere.
#pragma once

#include <string>

#include "app/Application.h"

namespace shares {

// Tells the user when another program holds the clipboard.
void CopyAddress(app::Application& app, platform::Handle owner, const std::string& address);

}  // namespace shares
