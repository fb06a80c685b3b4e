// What the grant of the visitors' rights left out below a folder, in words for the user.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace shares {

// The message for an exit code of the access script that reports items left out (the folder
// itself was granted); nullopt for any other code.
std::optional<std::string> LeftOutMessage(std::uint32_t exitCode);

}  // namespace shares
