// grantitems.exe from command line to exit code: adds an account's read or full rights to a
// folder and, item by item, to everything below it, through handles that were opened without
// following links and checked to hold the items their folders listed.
#pragma once

#include <string>
#include <vector>

#include "tools/grantitems/ItemTree.h"
#include "tools/myright/SecurityPolicy.h"
#include "tools/myright/Text.h"

namespace grantitems {

extern const char kUsageText[];

// `args` are the arguments after the program name. Returns an exit code of ExitCodes.h; what
// failed or was left out goes to `err` as lines starting with "grantitems: ".
std::uint32_t RunGrantTool(const std::vector<std::u16string>& args, myright::SecurityPolicy& policy,
                           ItemTree& tree, myright::Output& err);

}  // namespace grantitems
