// Which picked folders can be shared safely. The folder's path goes into command lines run with
// administrator rights and is where the visitors' rights are granted, so it must be exactly the
// folder the user saw, reach no other folder when read again, and not lead elsewhere.
#pragma once

#include <optional>
#include <string>

#include "platform/Platform.h"

namespace shares {

inline constexpr char kFolderNotInCodePage[] =
    "The name of this folder has characters that this system's code page cannot hold exactly, "
    "so it cannot be shared safely. Please rename the folder or choose another one.";
inline constexpr char kFolderWithQuoteOrPercent[] =
    "The path of this folder contains a double quote (\") or a percent sign (%), which cannot be "
    "passed on safely. Please rename the folder or choose another one.";
inline constexpr char kFolderNotPlain[] =
    "The path of this folder is not the folder's own full path (it has \".\" or \"..\" parts, or "
    "the system reads it as another folder). Please choose the folder itself.";
inline constexpr char kFolderThroughLink[] =
    "This folder is, or lies inside, a junction, a symbolic link or a mounted drive: rights "
    "granted here would land on the folder it leads to. Please choose that folder itself.";
inline constexpr char kShareNameNotInCodePage[] =
    "The share name has characters that this system's code page cannot hold exactly. Please "
    "choose another name.";

// The refusal of a folder on a drive letter that cannot be shared safely; nullopt when it can.
std::optional<std::string> FolderRefusal(platform::Platform& platform, const std::string& folder);

}  // namespace shares
