// The share-level permission entry for everyone (not the folder's file-system list).
#pragma once

#include <cstdint>
#include <string>

#include "platform/ShareSecurity.h"

namespace shares {

// Access masks of the two choices.
constexpr std::uint32_t kReadAndExecuteMask = 0x001200A9;
constexpr std::uint32_t kAllFileAccessMask = 0x001F01FF;

// Gives everyone `accessMask` on the share, replacing what everyone had there. Returns 0, or the
// code of the first call that failed.
std::uint32_t SetShareEveryoneAccess(platform::ShareSecurity& security,
                                     const std::string& shareName, std::uint32_t accessMask);

}  // namespace shares
