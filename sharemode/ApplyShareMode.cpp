#include "sharemode/ApplyShareMode.h"

#include <algorithm>

#include "app/ChangeEvents.h"
#include "app/Formmain.h"
#include "app/Global.h"
#include "app/MessageText.h"
#include "check/SharingCheck.h"
#include "sharemode/ChangeTime.h"
#include "sharemode/LocalMachineKey.h"
#include "sharemode/SettingsFile.h"
#include "sharemode/SettingsHistory.h"

namespace sharemode {
namespace {

platform::Status WriteValues(platform::Registry& registry, const RecipeStep& step) {
  // Each step opens its key afresh, even right after a step on the same key.
  LocalMachineKey key(registry, step.keyPath);
  for (const ValueWrite& value : step.values) {
    const long result = value.type == ValueWrite::Type::Dword
                            ? key.SetDword(value.name, value.dword)
                            : key.SetString(value.name, value.text);
    if (result != platform::kSuccess) {
      return platform::Failure(app::FormatMessageText("Failed to set data for '%s'", {value.name}),
                               result);
    }
  }
  return {};
}

}  // namespace

std::string LaunchCommandLine(const RecipeStep& step, const std::string& programFolder) {
  if (*step.programFolderTool == '\0') return step.arguments;
  return "\"" + programFolder + step.programFolderTool + "\" " + step.arguments;
}

platform::Result<std::vector<FailedStep>> RunRecipe(platform::Platform& platform,
                                                    const Recipe& recipe,
                                                    const std::string& programFolder) {
  std::vector<FailedStep> failures;
  for (const RecipeStep& step : recipe.steps) {
    if (step.action == RecipeStep::Action::Write) {
      if (platform::Status written = WriteValues(platform.registry, step); !written.Succeeded()) {
        return written.failure();
      }
    } else {
      // Waited for, so that tools never overlap and the next step sees their effect.
      const app::CommandOutcome outcome =
          app::RunHiddenCommandAndWait(platform, LaunchCommandLine(step, programFolder));
      if (!outcome.Succeeded()) failures.push_back({&step, outcome});
    }
  }
  return failures;
}

SavedBeforeChange SaveBeforeApplying(platform::Platform& platform, const std::string& programFolder,
                                     int mode) {
  const bool sameModeAgain = mode >= 0 && HasRecordedShareMode(platform.profile, programFolder) &&
                             ReadRecordedShareMode(platform.profile, programFolder) == mode;
  return SaveBeforeChange(platform, RecipeFor(mode), sameModeAgain);
}

std::string RecordsMovedText(const SavedBeforeChange& saved) {
  return app::FormatMessageText(
      "Plinvo cannot be sure that only administrators can change the folder %s, so from now on "
      "it keeps the settings it saves in %s.",
      {saved.instead, saved.folder});
}

bool RecordAppliedMode(platform::Platform& platform, const std::string& programFolder, int mode) {
  RecordShareMode(platform.profile, programFolder, mode);
  return RecordChangeTime(platform.files, platform.clock.SecondsSince1970());
}

std::string StepsText(const Recipe& recipe, const std::string& programFolder,
                      const std::vector<FailedStep>& failures) {
  std::string text;
  for (const RecipeStep& step : recipe.steps) {
    if (step.action == RecipeStep::Action::Write) {
      for (const ValueWrite& value : step.values) {
        text += app::FormatMessageText("Set HKLM%s\\%s\n", {step.keyPath, value.name});
      }
      continue;
    }
    const bool failed = std::any_of(failures.begin(), failures.end(),
                                    [&](const FailedStep& f) { return f.step == &step; });
    text += app::FormatMessageText(
        failed ? "Ran %s: did not succeed (see below)\n" : "Ran %s: exit code 0\n",
        {LaunchCommandLine(step, programFolder)});
  }
  if (!text.empty()) text.pop_back();
  return text;
}

std::string StoppedText(const platform::Failure& failure) {
  return app::FormatMessageText(
      "%s (error %s). The steps before it stay done, none after it ran, and the mode was not "
      "recorded.",
      // As int, which is long's size on Windows: the library formats one type of number fewer.
      {failure.message, std::to_string(static_cast<int>(failure.code))});
}

void WriteAppliedEvent(platform::Platform& platform, const std::string& programFolder, int mode,
                       const platform::Result<std::vector<FailedStep>>& run) {
  // With no mode selected the recipe is Normal Share's (RecipeFor), and so is the name.
  const char* const name = check::ModeName(mode == 0 || mode == 1 ? mode : 2);
  if (!run.Succeeded()) {
    app::WriteEvent(platform, app::Event::ModeNotApplied,
                    {name, StoppedText(run.status().failure())});
    return;
  }
  const std::vector<FailedStep>& failures = run.value();
  const std::string steps = StepsText(RecipeFor(mode), programFolder, failures);
  if (failures.empty()) {
    app::WriteEvent(platform, app::Event::ModeApplied, {name, steps});
  } else {
    app::WriteEvent(platform, app::Event::ModeAppliedToolFailed,
                    {name, steps, ToolFailureWarning(failures)});
  }
}

}  // namespace sharemode

namespace app {

platform::Status TfrmMain::m_btnApplyClick() {
  using namespace platform::mb;
  // Closing the box answers Cancel too.
  if (m_app.ShowMessage(Handle(), "Want to change share mode?", kOkCancel | kIconQuestion) !=
      kIdOk) {
    return {};
  }
  const int mode = m_radiosMode.ItemIndex();
  const sharemode::Recipe& recipe = sharemode::RecipeFor(mode);
  const std::string& folder = m_app.global().programFolder;
  const sharemode::SavedBeforeChange saved =
      sharemode::SaveBeforeApplying(m_app.platform(), folder, mode);
  if (!saved.saved &&
      m_app.ShowMessage(Handle(),
                        "The present settings could not be saved, so this change could not be "
                        "undone later.\n\nChange the share mode anyway?",
                        kOkCancel | kIconWarning) != kIdOk) {
    return {};
  }
  // Said once: later starts find the new folder by its access list.
  if (!saved.instead.empty()) {
    m_app.ShowMessage(Handle(), sharemode::RecordsMovedText(saved), kOk | kIconInformation);
  }
  std::vector<sharemode::FailedStep> failures;
  {
    ui::BusyWindow busy(window());
    auto run = sharemode::RunRecipe(m_app.platform(), recipe, folder);
    sharemode::WriteAppliedEvent(m_app.platform(), folder, mode, run);
    if (!run.Succeeded()) return run.status();
    failures = std::move(run.value());
  }
  m_app.ShowMessage(Handle(), recipe.resultMessage, kOk | kIconInformation);
  // Recorded only once the user has read the outcome.
  sharemode::RecordAppliedMode(m_app.platform(), folder, mode);
  if (!failures.empty()) {
    m_app.ShowMessage(Handle(), sharemode::ToolFailureWarning(failures), kOk | kIconWarning);
  }
  return {};
}

}  // namespace app
