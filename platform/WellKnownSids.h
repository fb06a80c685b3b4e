// The accounts and groups every Windows computer has, as the textual SIDs the access lists
// and the rights are read with.
#pragma once

namespace platform::sids {

constexpr const char* kEveryone = "S-1-1-0";
constexpr const char* kCreatorOwner = "S-1-3-0";
constexpr const char* kCreatorGroup = "S-1-3-1";
constexpr const char* kOwnerRights = "S-1-3-4";
constexpr const char* kSystem = "S-1-5-18";
constexpr const char* kAuthenticatedUsers = "S-1-5-11";
constexpr const char* kAdministrators = "S-1-5-32-544";
constexpr const char* kUsers = "S-1-5-32-545";
constexpr const char* kGuests = "S-1-5-32-546";
// The installer service, which owns the Windows folder on Vista.
constexpr const char* kTrustedInstaller =
    "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

}  // namespace platform::sids
