#include "shares/FolderSafety.h"

#include <vector>

#include "shares/AnsiText.h"

namespace shares {
namespace {

// The positions of the backslash characters of the path, in order.
std::vector<std::size_t> Separators(const AnsiText& text, const std::string& path) {
  std::vector<std::size_t> found;
  text.ForEachCharacter([&](std::size_t at, std::size_t size) {
    if (size == 1 && path[at] == '\\') found.push_back(at);
  });
  return found;
}

}  // namespace

std::optional<std::string> FolderRefusal(platform::Platform& platform, const std::string& folder) {
  const AnsiText text(folder, platform.text);
  // A quote would end the quoted path in the command lines; a percent sign starts a name that
  // the script host replaces by an environment variable of the user.
  if (text.HasControlOrAnyOf("\"%")) return kFolderWithQuoteOrPercent;

  const std::vector<std::size_t> separators = Separators(text, folder);
  for (std::size_t i = 0; i < separators.size(); ++i) {
    const std::size_t begin = separators[i] + 1;
    const std::size_t end = i + 1 < separators.size() ? separators[i + 1] : folder.size();
    const std::string part = folder.substr(begin, end - begin);
    if (part == "." || part == "..") return kFolderNotPlain;
  }
  if (platform.files.GetFullPath(folder) != folder) return kFolderNotPlain;

  // Every folder from the drive's root down, the chosen one included. The root itself may be
  // a mounted volume's own root; below it a link leads somewhere else.
  for (std::size_t i = 1; i < separators.size(); ++i) {
    if (platform.files.IsReparsePoint(folder.substr(0, separators[i]))) return kFolderThroughLink;
  }
  if (!text.EndsWith('\\') && platform.files.IsReparsePoint(folder)) {
    return kFolderThroughLink;
  }
  return std::nullopt;
}

}  // namespace shares
