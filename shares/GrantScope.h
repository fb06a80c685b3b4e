// How far granting the visitors' rights on a folder reaches. The grant adds an entry to the
// access list of every file and folder below it, one by one, and nothing takes those entries
// back: on the folders of Windows and the programs that is refused, on a whole drive or the
// users' own folders it is asked first.
#pragma once

#include <optional>
#include <string>

#include "platform/Platform.h"
#include "shares/ShareCommandLines.h"

namespace shares {

// The refusal of a folder that is, lies inside or holds the Windows folder or the programs'
// folder (a drive's root excepted: that is asked about); nullopt for any other folder.
std::optional<std::string> SystemFolderRefusal(platform::Platform& platform,
                                               const std::string& folder);

// The question before the visitors get `access` on a drive's root, the folder of the users'
// profiles or one user's profile, on a drive whose files keep access lists; nullopt when there
// is nothing to ask.
std::optional<std::string> WholeTreeQuestion(platform::Platform& platform,
                                             const std::string& folder,
                                             const std::string& fileSystemName, Access access);

}  // namespace shares
