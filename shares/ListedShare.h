// Changing the visitors' rights of a share that is already listed. The access script and the
// share's security calls take ANSI text, so the share's name and folder must be exactly its own
// in the code page (a look-alike would name another share or folder), and the folder must pass
// the new-share dialog's checks.
#pragma once

#include <optional>
#include <string>

#include "platform/Platform.h"
#include "shares/NewShare.h"

namespace shares {

inline constexpr char kRightsNotChanged[] = "The guest visitors' rights were not changed. ";
inline constexpr char kListedNameNotInCodePage[] =
    "The name of this share has characters that this system's code page cannot hold exactly, so "
    "its rights cannot be changed safely here.";
inline constexpr char kListedFolderNotInCodePage[] =
    "The path of this share's folder has characters that this system's code page cannot hold "
    "exactly, so its rights cannot be changed safely here.";
inline constexpr char kListedFolderNotLocal[] =
    "This share's folder is not a folder on a drive letter of this computer.";

// Fills the request's share name, folder and file system from the share's exact name and folder;
// nullopt when it can be carried out, else the refusal to show.
std::optional<std::string> ListedShareRequest(platform::Platform& platform,
                                              const std::u16string& shareName,
                                              const std::u16string& folder,
                                              NewShareRequest& request);

}  // namespace shares
