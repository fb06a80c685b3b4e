// Who an access list lets read, and who it lets change things.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Accounts.h"

namespace check {

namespace sids {
constexpr const char* kEveryone = "S-1-1-0";
constexpr const char* kCreatorOwner = "S-1-3-0";
constexpr const char* kSystem = "S-1-5-18";
constexpr const char* kAuthenticatedUsers = "S-1-5-11";
constexpr const char* kAdministrators = "S-1-5-32-544";
constexpr const char* kUsers = "S-1-5-32-545";
constexpr const char* kGuests = "S-1-5-32-546";
constexpr const char* kTrustedInstaller =
    "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";
}  // namespace sids

// True when one of `who` may read: an entry allows it reading and no entry denies it.
bool LetsRead(const platform::AccessList& list, std::initializer_list<std::string_view> who);

// The identities other than administrators, the system and the installer's trusted owner that
// may change the object. A missing list gives "Everyone".
std::vector<std::string> WhoMayChange(const platform::AccessList& list);

// A plain name for a well-known identity; `you` for the logged-on user; else the SID itself.
std::string NameOfSid(const std::string& sid, const std::string& currentUser,
                      const std::string& guest);

}  // namespace check
