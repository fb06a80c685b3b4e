// The command line of the rights tool: "-u ACCOUNT +r RIGHT" grants, "-u ACCOUNT -r RIGHT"
// revokes, "-?" asks for the usage text.
#pragma once

#include <string>
#include <vector>

namespace myright {

enum class RightChange { kGrant, kRevoke };

// The names point into the arguments the command was read from.
struct RightsCommand {
  const char* account = "";
  RightChange change = RightChange::kGrant;
  const char* right = "";
};

struct ParsedCommandLine {
  enum class Kind { kRun, kHelp, kError };
  Kind kind = Kind::kError;
  RightsCommand command;  // for kRun
  char error[512] = "";   // for kError: what is wrong, one line, no trailing full stop
};

// `args` are the `count` arguments after the program name. Option letters are case-insensitive
// and the two options may come in either order; each must be given exactly once.
ParsedCommandLine ParseRightsCommandLine(int count, const char* const* args);
// The same for callers that hold strings (StringForms.cpp); the names point into `args`.
ParsedCommandLine ParseRightsCommandLine(const std::vector<std::string>& args);

}  // namespace myright
