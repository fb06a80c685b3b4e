// Putting a share's or a computer's address on the clipboard, for the user to paste elsewhere.
#pragma once

#include <string>

#include "app/Application.h"

namespace shares {

// The address visitors type for that share, \\COMPUTER\share, with the share's exact name.
std::u16string ShareAddressOf(platform::Platform& platform, const std::u16string& share);

// Puts the address on the clipboard: as ANSI text when the code page holds it exactly, else as
// UTF-16, so that a look-alike of the name never stands in for it. Tells the user when another
// program holds the clipboard.
void CopyAddress(app::Application& app, platform::Handle owner, const std::u16string& address);

}  // namespace shares
