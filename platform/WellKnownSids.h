// The accounts and groups every Windows computer has, as the textual SIDs the access lists
// and the rights are read with.
#pragma once

namespace platform::sids {

inline constexpr char kEveryone[] = "S-1-1-0";
inline constexpr char kCreatorOwner[] = "S-1-3-0";
inline constexpr char kCreatorGroup[] = "S-1-3-1";
inline constexpr char kOwnerRights[] = "S-1-3-4";
inline constexpr char kSystem[] = "S-1-5-18";
inline constexpr char kAuthenticatedUsers[] = "S-1-5-11";
inline constexpr char kAdministrators[] = "S-1-5-32-544";
inline constexpr char kUsers[] = "S-1-5-32-545";
inline constexpr char kGuests[] = "S-1-5-32-546";
// The installer service, which owns the Windows folder on Vista.
inline constexpr char kTrustedInstaller[] =
    "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

}  // namespace platform::sids
