// The command line of the rights tool: "-u ACCOUNT +r RIGHT" grants, "-u ACCOUNT -r RIGHT"
// revokes, "-?" asks for the usage text.
#pragma once

#include <string>
#include <vector>

namespace myright {

enum class RightChange { kGrant, kRevoke };

struct RightsCommand {
  std::string account;
  RightChange change = RightChange::kGrant;
  std::string right;
};

struct ParsedCommandLine {
  enum class Kind { kRun, kHelp, kError };
  Kind kind = Kind::kError;
  RightsCommand command;  // for kRun
  std::string error;      // for kError: what is wrong, one line, no trailing full stop
};

// `args` are the arguments after the program name. Option letters are case-insensitive and the
// two options may come in either order; each must be given exactly once.
ParsedCommandLine ParseRightsCommandLine(const std::vector<std::string>& args);

}  // namespace myright
