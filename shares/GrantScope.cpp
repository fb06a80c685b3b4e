#include "shares/GrantScope.h"

#include <vector>

namespace shares {
namespace {

using Parts = std::vector<std::u16string>;

// The path's names between backslashes, read as UTF-16: in a double-byte code page the second
// byte of a character may be a backslash or a letter. A trailing backslash adds no name.
Parts PartsOf(platform::TextConversion& text, const std::string& path) {
  Parts parts;
  std::u16string wide;
  if (path.empty() || !text.AnsiToWide(path, wide, 0x8000)) return parts;
  std::u16string part;
  for (char16_t c : wide) {
    if (c == u'\\') {
      parts.push_back(part);
      part.clear();
    } else {
      part.push_back(c);
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

// Windows compares names without regard to letter case; the folders compared here are named in
// ASCII by Windows itself.
bool SameName(const std::u16string& a, const std::u16string& b) {
  auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? c - u'a' + u'A' : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (upper(a[i]) != upper(b[i])) return false;
  }
  return true;
}

// Whether the first names of `path` are those of `top`.
bool Begins(const Parts& path, const Parts& top) {
  if (top.empty() || path.size() < top.size()) return false;
  for (std::size_t i = 0; i < top.size(); ++i) {
    if (!SameName(path[i], top[i])) return false;
  }
  return true;
}

struct SystemFolder {
  std::string (platform::FileSystem::*where)();
  const char* name;
};

constexpr SystemFolder kSystemFolders[] = {
    {&platform::FileSystem::GetWindowsDirectory, "the Windows folder"},
    {&platform::FileSystem::GetProgramFilesFolder, "the Program Files folder"},
};

bool DriveRoot(const Parts& parts) { return parts.size() == 1; }

}  // namespace

std::optional<std::string> SystemFolderRefusal(platform::Platform& platform,
                                               const std::string& folder) {
  const Parts parts = PartsOf(platform.text, folder);
  for (const SystemFolder& system : kSystemFolders) {
    const std::string where = (platform.files.*system.where)();
    const Parts top = PartsOf(platform.text, where);
    std::string relation;
    if (Begins(parts, top)) {
      relation = parts.size() == top.size() ? " is " : " lies inside ";
    } else if (Begins(top, parts) && !DriveRoot(parts)) {
      relation = " holds ";
    } else {
      continue;
    }
    return "\"" + folder + "\"" + relation + system.name + " (" + where +
           "). Plinvo does not give visitors rights there: the access list of every file below "
           "it would change, the files of Windows and of the programs among them, and no undo "
           "takes that back. Please share a folder of your own instead.";
  }
  return std::nullopt;
}

std::optional<std::string> WholeTreeQuestion(platform::Platform& platform,
                                             const std::string& folder,
                                             const std::string& fileSystemName, Access access) {
  // Only the access script changes the files' access lists; these drives keep none.
  if (fileSystemName == "FAT32" || fileSystemName == "FAT" || fileSystemName == "exFAT") {
    return std::nullopt;
  }
  const Parts parts = PartsOf(platform.text, folder);
  Parts profiles = PartsOf(platform.text, platform.files.GetProfileFolder());
  if (!profiles.empty()) profiles.pop_back();
  std::string what;
  if (DriveRoot(parts)) {
    what = "is the whole drive " + folder.substr(0, 2) + ".";
  } else if (profiles.size() > 1 && Begins(parts, profiles) && parts.size() == profiles.size()) {
    what = "holds the personal folders of every user of this computer.";
  } else if (profiles.size() > 1 && Begins(parts, profiles) &&
             parts.size() == profiles.size() + 1) {
    what = "is the personal folder of a user of this computer (documents, settings, mail).";
  } else {
    return std::nullopt;
  }
  return "\"" + folder + "\" " + what + " Letting guest visitors " +
         (access == Access::Full ? "read, change and delete" : "only read") +
         " its files adds them to the access list of every file and folder in it, one by one: "
         "no undo takes that back, and with many files it takes a long time (many minutes for "
         "a whole drive), while Plinvo waits.\n\nGo on?";
}

}  // namespace shares
