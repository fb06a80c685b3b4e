#include "shares/ShareCommandLines.h"

#include "shares/AnsiText.h"

namespace shares {
namespace {

// A path between double quotes, as the started program's argument parser reads it back: a
// backslash right before the closing quote would escape it, so a trailing one (a drive's root,
// "C:\") is doubled. The second byte of a double-byte character is no backslash: the program
// reads its command line in UTF-16, where that character is one unit.
std::string QuotedPath(const std::string& path, platform::TextConversion& code) {
  std::string quoted = "\"" + path;
  if (AnsiText(path, code).EndsWith('\\')) quoted += '\\';
  return quoted + "\"";
}

}  // namespace

std::string NetShareCommandLine(const std::string& shareName, const std::string& folder,
                                Access access, platform::TextConversion& code) {
  // Quotes keep a name with blanks one argument: "my files"="C:\x" reaches net as
  // my files=C:\x.
  const std::string name =
      shareName.find(' ') == std::string::npos ? shareName : "\"" + shareName + "\"";
  return "net share " + name + "=" + QuotedPath(folder, code) + "  /GRANT:Guest," +
         (access == Access::ReadOnly ? "READ" : "FULL");
}

std::string XcaclsCommandLine(const std::string& programFolder, const std::string& folder,
                              Access access, platform::TextConversion& code) {
  return "cscript.exe \"" + programFolder + "XCACLS.vbs\"  " + QuotedPath(folder, code) +
         " /T /G Guest:" + (access == Access::ReadOnly ? "R /E" : "F /E");
}

bool HasCharacterNotAllowedInShareName(const std::string& shareName,
                                       platform::TextConversion& code) {
  return AnsiText(shareName, code).HasControlOrAnyOf("\"/\\[]:|<>+=;,*?");
}

}  // namespace shares
