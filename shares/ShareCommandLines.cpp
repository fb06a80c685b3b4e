#include "shares/ShareCommandLines.h"

#include <cstring>

namespace shares {
namespace {

// A path between double quotes, as the started program's argument parser reads it back: a
// backslash right before the closing quote would escape it, so a trailing one (a drive's root,
// "C:\") is doubled.
std::string QuotedPath(const std::string& path) {
  std::string quoted = "\"" + path;
  if (!path.empty() && path.back() == '\\') quoted += '\\';
  return quoted + "\"";
}

}  // namespace

std::string NetShareCommandLine(const std::string& shareName, const std::string& folder,
                                Access access) {
  // Quotes keep a name with blanks one argument: "my files"="C:\x" reaches net as
  // my files=C:\x.
  const std::string name =
      shareName.find(' ') == std::string::npos ? shareName : "\"" + shareName + "\"";
  return "net share " + name + "=" + QuotedPath(folder) + "  /GRANT:Guest," +
         (access == Access::ReadOnly ? "READ" : "FULL");
}

std::string XcaclsCommandLine(const std::string& programFolder, const std::string& folder,
                              Access access) {
  return "cscript.exe \"" + programFolder + "XCACLS.vbs\"  " + QuotedPath(folder) +
         " /T /G Guest:" + (access == Access::ReadOnly ? "R /E" : "F /E");
}

bool HasCharacterNotAllowedInShareName(const std::string& shareName) {
  static const char kNotAllowed[] = "\"/\\[]:|<>+=;,*?";
  for (unsigned char c : shareName) {
    if (c < 32 || c == 127 || std::strchr(kNotAllowed, c) != nullptr) return true;
  }
  return false;
}

}  // namespace shares
