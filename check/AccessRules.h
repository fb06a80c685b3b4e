// Who an access list lets read, and who it lets change things.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Accounts.h"
#include "platform/WellKnownSids.h"

namespace check {

namespace sids = platform::sids;

// True when one of `who` may read: an entry allows it reading and no entry denies it.
bool LetsRead(const platform::AccessList& list, std::initializer_list<std::string_view> who);

// The identities other than administrators, the system and the installer's trusted owner that
// may change the object. A missing list gives "Everyone".
std::vector<std::string> WhoMayChange(const platform::AccessList& list);

// A plain name for a well-known identity; `you` for the logged-on user; else the SID itself.
std::string NameOfSid(const std::string& sid, const std::string& currentUser,
                      const std::string& guest);

}  // namespace check
