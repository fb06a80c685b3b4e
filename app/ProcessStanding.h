// Which running Plinvo a start may hand over to. A second start ends and brings the first one's
// window forward; it must never do that for a copy that runs with fewer rights than itself (an
// unelevated copy would make every elevated start end at once, leaving the user with a Plinvo
// that cannot change anything).
#pragma once

#include <optional>

namespace app {

// What a process's access token says about its rights.
struct ProcessStanding {
  // False when the process or its token could not be opened or read.
  bool read = false;
  // The token's elevation, on Vista and later; absent where the system does not know it (XP).
  std::optional<bool> elevated;
  // Whether the token counts as a member of the administrators for access checks (a limited
  // token of an administrator holds that group for denying only).
  bool administrator = false;
};

// True when `theirs` was read and matches `ours` in elevation (where the system knows it) and in
// being an administrator. Anything unread or unknown on one side only is not the same.
bool SameStanding(const ProcessStanding& ours, const ProcessStanding& theirs);

}  // namespace app
