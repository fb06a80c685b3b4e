// Small value types shared by the platform interfaces.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// An opaque handle of the platform (a window, a key, a process, a buffer). Zero means none.
using Handle = std::uintptr_t;

// Windows error codes the logic compares against.
constexpr std::uint32_t kSuccess = 0;
constexpr std::uint32_t kErrorMoreData = 234;
constexpr std::uint32_t kInfinite = 0xFFFFFFFFu;
constexpr std::uint32_t kMaxPreferredLength = 0xFFFFFFFFu;

}  // namespace platform
