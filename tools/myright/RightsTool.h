// The rights tool from command line to exit code: grants or revokes one user right of one
// account through the local security policy.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "tools/myright/SecurityPolicy.h"
#include "tools/myright/Text.h"

namespace myright {

// Exit codes; the usage text lists them for whoever calls the tool from a script.
enum ExitCode : int {
  kExitDone = 0,
  kExitUsage = 1,
  kExitAccountNotFound = 2,
  kExitPolicyUnavailable = 3,
  kExitRightNotChanged = 4,
};

extern const char kUsageText[];

// `args` are the `count` arguments after the program name. On success one line goes to `out`;
// on failure one line starting with "myright: " goes to `err`. "-?" writes the usage text to
// `out`.
int RunRightsTool(int count, const char* const* args, SecurityPolicy& policy, Output& out,
                  Output& err);
// The same for callers that hold strings and streams (StringForms.cpp).
int RunRightsTool(const std::vector<std::string>& args, SecurityPolicy& policy, std::ostream& out,
                  std::ostream& err);

}  // namespace myright
