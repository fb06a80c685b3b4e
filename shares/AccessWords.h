// Who may reach a share and its folder, in plain words: "Guest: read only".
#pragma once

#include <string>
#include <vector>

#include "platform/ShareService.h"

namespace shares {

// The account or group a textual SID names, as the user knows it ("Everyone", "Guest"); the
// SID itself for any other.
std::string TrusteeName(const std::string& sid);

// The share's permissions, one line per account or group in the order of the list.
std::vector<std::string> SharePermissionLines(const platform::ShareDetails& details);

// The folder's entries for the guest account, Everyone and Users, one line each.
std::vector<std::string> FolderPermissionLines(bool hasAccessList,
                                               const std::vector<platform::AccessEntry>& entries);

// What guest visitors may do: through the share and the folder together.
enum class GuestReach { None, Read, Change };
GuestReach GuestReachOf(const platform::ShareDetails& share, bool folderHasAccessList,
                        const std::vector<platform::AccessEntry>& folder);

// A warning when the rights contradict the recorded mode (0 Stop, 1 Zendry, 2 Normal); empty
// when they do not.
std::string ModeWarning(int mode, GuestReach guests, bool othersHaveFolderEntry);

// The address visitors type: \\COMPUTER\share.
std::string ShareAddress(const std::string& computer, const std::string& share);

}  // namespace shares
