// Sharing a folder: the checks before anything changes, creating the share, granting the
// visitors their rights. Each step gives the text to tell the user when it fails.
#pragma once

#include <optional>
#include <string>

#include "app/Global.h"
#include "platform/Platform.h"
#include "shares/ShareCommandLines.h"

namespace shares {

struct NewShareRequest {
  std::string shareName;  // trimmed
  // Whether the name the user typed is exactly `shareName`, with no character replaced by a
  // look-alike or the default character of the ANSI code page.
  bool shareNameInCodePage = true;
  std::string folder;
  std::string fileSystemName;  // of the folder's drive; may be empty
  Access access = Access::ReadOnly;
};

inline constexpr char kNameAndFolderNeeded[] =
    "Please select a directory to share and input a share name for the directory!";
inline constexpr char kInvalidShareName[] = "The character or file system name is not valid.";
inline constexpr char kRemark[] = "Trelbane Plinvo";

// The refusal of a request that cannot be carried out as it stands; nullopt when it can.
std::optional<std::string> CheckNewShare(platform::Platform& platform, const app::Global& global,
                                         const NewShareRequest& request);

// Creates the share: by `net share` with the guest grant on major version 6, through the share
// service otherwise. nullopt when the share exists now, else the warning to show.
std::optional<std::string> CreateShare(platform::Platform& platform, const app::Global& global,
                                       const NewShareRequest& request);

// Whose rights are given: the share the new-share dialog has just made, or one already listed.
enum class GrantFor { NewShare, ListedShare };

// Gives the visitors their rights: on FAT32 the share's entry for everyone, elsewhere the guest
// account's rights on the folder tree. nullopt on success, else the warning to show: a failure,
// or what was left out below the folder and why.
std::optional<std::string> GrantVisitorRights(platform::Platform& platform,
                                              const app::Global& global,
                                              const NewShareRequest& request, GrantFor share);

// The visitors' access as the event log names it.
const char* AccessText(Access access);

// Tells the event log what became of a new share: created, created without the visitors'
// rights, or not created.
void WriteNewShareEvent(platform::Platform& platform, const NewShareRequest& request,
                        const std::optional<std::string>& notCreated,
                        const std::optional<std::string>& rightsNotSet);

}  // namespace shares
