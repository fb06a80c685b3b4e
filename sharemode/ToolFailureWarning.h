// The warning after a share mode whose tools did not all succeed.
#pragma once

#include <string>
#include <vector>

#include "app/Global.h"
#include "sharemode/ShareModeRecipes.h"

namespace sharemode {

// A launch step of a recipe that did not end with exit code 0.
struct FailedStep {
  const RecipeStep* step = nullptr;
  app::CommandOutcome outcome;
};

// One paragraph per failed step, in the order they ran: the step as the user would type it,
// how it ended (not started, its exit code, or a code that could not be read), and what that
// leaves for visitors.
std::string ToolFailureWarning(const std::vector<FailedStep>& failures);

}  // namespace sharemode
