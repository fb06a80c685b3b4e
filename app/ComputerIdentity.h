// The text of the identity label: the computer's name and its first IPv4 address.
#pragma once

#include <string>

#include "app/ResolverBinding.h"
#include "platform/Platform.h"

namespace app {

// "This Computer Name: <name>", then "    IP:<address>" when the name resolves. Never fails:
// whatever goes wrong only leaves parts of the text out.
std::string ComputerIdentityText(platform::Platform& platform, ResolverBinding& resolver);

}  // namespace app
