#include "sharemode/ToolFailureWarning.h"

namespace sharemode {
namespace {

std::string StepText(const RecipeStep& step) {
  std::string text = step.programFolderTool;
  if (!text.empty()) text += ' ';
  text += step.arguments;
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string HowItEnded(const app::CommandOutcome& outcome) {
  switch (outcome.state) {
    case app::CommandOutcome::State::NotStarted:
      return "could not be started";
    case app::CommandOutcome::State::ExitCodeUnread:
      return "ended, but its exit code could not be read";
    case app::CommandOutcome::State::Exited:
      break;
  }
  return "ended with error code " + std::to_string(outcome.exitCode);
}

}  // namespace

std::string ToolFailureWarning(const std::vector<FailedStep>& failures) {
  std::string text = "The share mode was changed, but not every step succeeded.";
  for (const FailedStep& failure : failures) {
    text += "\n\n\"" + StepText(*failure.step) + "\" " + HowItEnded(failure.outcome) + ". " +
            failure.step->failureMeaning;
  }
  return text;
}

}  // namespace sharemode
