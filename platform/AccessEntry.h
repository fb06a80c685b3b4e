// One entry of an access list, as the share service, share security and the accounts family
// read it.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Who (a textual SID such as "S-1-1-0"), allowed or denied, the access mask and the entry's
// flags (INHERIT_ONLY_ACE = 0x08: it applies to children only).
struct AccessEntry {
  std::string sid;
  bool allowed = true;
  std::uint32_t mask = 0;
  std::uint32_t flags = 0;
};

constexpr std::uint32_t kInheritOnlyAce = 0x08;

}  // namespace platform
