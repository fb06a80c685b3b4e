#include "shares/ListedShare.h"

#include "shares/FolderSafety.h"
#include "shares/GrantScope.h"

namespace shares {

std::optional<std::string> ListedShareRequest(platform::Platform& platform,
                                              const std::u16string& shareName,
                                              const std::u16string& folder,
                                              NewShareRequest& request) {
  const auto refused = [](const std::string& why) { return kRightsNotChanged + why; };
  if (!platform.text.WideToAnsiExact(shareName, request.shareName)) {
    return refused(kListedNameNotInCodePage);
  }
  if (!platform.text.WideToAnsiExact(folder, request.folder)) {
    return refused(kListedFolderNotInCodePage);
  }
  const std::string& path = request.folder;
  if (path.size() < 3 || path[1] != ':' || path[2] != '\\') return refused(kListedFolderNotLocal);
  if (std::optional<std::string> refusal = FolderRefusal(platform, path)) {
    return refused(*refusal);
  }
  if (std::optional<std::string> refusal = SystemFolderRefusal(platform, path)) {
    return refused(*refusal);
  }
  if (!platform.files.GetVolumeFileSystemName(path.substr(0, 3), request.fileSystemName)) {
    request.fileSystemName.clear();
  }
  return std::nullopt;
}

}  // namespace shares
