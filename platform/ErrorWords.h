// What a code Windows answered with means, in words a user can act on.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// What the code means and what the user can do about it, with the code after them in brackets
// for support: "Windows refused access. ... (error 5)." A system error code is shown in decimal;
// a COM result (high bit set, as the firewall interfaces answer) in hexadecimal, and one that
// wraps a system error is told in that error's words. A code the table does not hold gets a
// general sentence.
std::string ErrorWords(std::uint32_t code);

}  // namespace platform
