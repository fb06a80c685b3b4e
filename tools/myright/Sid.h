// A security identifier in its binary form, as the account database hands it out: revision,
// sub-authority count, 48-bit identifier authority (big-endian), then the 32-bit sub-authorities
// (little-endian). Kept as plain bytes so that the rights logic runs and is tested off Windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace myright {

using Sid = std::vector<std::uint8_t>;

// The relative identifier of the built-in guest account within the computer's account domain;
// it keeps this number when the account is renamed or carries a translated name.
constexpr std::uint32_t kGuestRid = 501;

// True when `sid` has the revision-1 layout and exactly the length its sub-authority count needs.
bool IsWellFormedSid(const Sid& sid);

// The identifier of an account of `domain`: the domain's identifier with `rid` appended. False,
// leaving `account` untouched, when `domain` is malformed or already holds the most
// sub-authorities a SID can have.
bool AppendRid(const Sid& domain, std::uint32_t rid, Sid& account);

// The usual text form, "S-1-5-21-1004336348-1177238915-682003330-501"; "(malformed SID)" for
// bytes that are not a SID.
std::string FormatSid(const Sid& sid);

}  // namespace myright
