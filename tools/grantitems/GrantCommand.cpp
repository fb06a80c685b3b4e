#include "tools/grantitems/GrantCommand.h"

namespace grantitems {

namespace {

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? c - u'a' + u'A' : c; }

bool IsSwitch(const std::u16string& arg, char16_t letter) {
  return arg.size() == 2 && arg[0] == u'/' && Upper(arg[1]) == letter;
}

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

// The account name is given to the account database as ASCII: the guest account's name in the
// command line is, and any other text would have to be converted without a loss first.
bool IsPrintableAscii(const std::u16string& text) {
  for (const char16_t c : text) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return !text.empty();
}

const char* ParseGrant(const std::u16string& text, GrantCommand& command) {
  const std::size_t colon = text.rfind(u':');
  if (colon == std::u16string::npos || colon + 2 != text.size()) {
    return "the right after /G must be written as ACCOUNT:R or ACCOUNT:F";
  }
  const char16_t right = Upper(text[colon + 1]);
  if (right != u'R' && right != u'F') return "unknown right: use R (read) or F (full control)";
  command.account = text.substr(0, colon);
  if (!IsPrintableAscii(command.account)) return "the account name must be printable ASCII text";
  command.accessMask = right == u'R' ? kReadMask : kFullMask;
  return nullptr;
}

// "X:\a\b" into the drive and its names. Only a folder of a drive letter, written in full:
// "." and ".." would take the walk elsewhere than the text says.
const char* ParseFolder(const std::u16string& path, GrantCommand& command) {
  const char16_t drive = path.empty() ? 0 : Upper(path[0]);
  if (path.size() < 3 || drive < u'A' || drive > u'Z' || path[1] != u':' || !IsSeparator(path[2])) {
    return "the folder must be a full path on a drive letter, such as C:\\Data";
  }
  command.drive = drive;
  command.folders.clear();
  std::u16string name;
  for (std::size_t i = 3; i <= path.size(); ++i) {
    if (i < path.size() && !IsSeparator(path[i])) {
      name.push_back(path[i]);
      continue;
    }
    if (name == u"." || name == u"..") return "the folder's path must not hold \".\" or \"..\"";
    if (name.empty() && i < path.size()) return "the folder's path holds an empty name";
    if (!name.empty()) command.folders.push_back(name);
    name.clear();
  }
  return nullptr;
}

}  // namespace

const char* ParseGrantCommand(const std::vector<std::u16string>& args, GrantCommand& command) {
  bool haveGrant = false;
  bool haveFolder = false;
  command.recurse = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::u16string& arg = args[i];
    const char* problem = nullptr;
    if (IsSwitch(arg, u'T')) {
      if (command.recurse) return "/T is given twice";
      command.recurse = true;
    } else if (IsSwitch(arg, u'G')) {
      if (haveGrant) return "/G is given twice";
      if (i + 1 >= args.size()) return "/G needs ACCOUNT:R or ACCOUNT:F";
      problem = ParseGrant(args[++i], command);
      haveGrant = true;
    } else if (!arg.empty() && arg[0] == u'/') {
      return "unknown switch";
    } else {
      if (haveFolder) return "only one folder can be given";
      problem = ParseFolder(arg, command);
      haveFolder = true;
    }
    if (problem != nullptr) return problem;
  }
  if (!haveGrant) return "no right given (/G ACCOUNT:R or /G ACCOUNT:F)";
  if (!haveFolder) return "no folder given";
  return nullptr;
}

}  // namespace grantitems
