#include "sharemode/UndoModeChange.h"

#include <algorithm>
#include <cctype>

#include "app/ChangeEvents.h"
#include "app/Formmain.h"
#include "sharemode/ChangeTime.h"
#include "sharemode/RecordsFolder.h"
#include "sharemode/RestorableSettings.h"
#include "sharemode/RestoreSettings.h"
#include "sharemode/SettingsFile.h"
#include "sharemode/SettingsHistory.h"

namespace sharemode {
namespace {

struct UndoTexts {
  const char* nothing;
  const char* question;
};

const UndoTexts& TextsFor(UndoTarget target) {
  static const UndoTexts last{
      "There is no share-mode change to undo.",
      "Undo the last share-mode change? These settings go back to what they were before it:"};
  static const UndoTexts first{
      "Plinvo has not changed this computer's settings: there is nothing to restore.",
      "Restore the settings this computer had before Plinvo first changed them? These settings "
      "go back:"};
  return target == UndoTarget::Last ? last : first;
}

// Drops the record just put back: the last one alone, or everything after a full restore.
void ForgetRestored(platform::FileSystem& files, SettingsHistory history, UndoTarget target) {
  if (target == UndoTarget::First) {
    history = SettingsHistory{};
  } else {
    history.last.reset();
  }
  SaveHistory(files, history);
}

bool IsCommandLine(const std::string& commandLine, const char* command) {
  const auto begin = commandLine.find_first_not_of(" \t");
  if (begin == std::string::npos) return false;
  const auto end = commandLine.find_last_not_of(" \t");
  std::string word = commandLine.substr(begin, end - begin + 1);
  std::string expected = command;
  auto lower = [](std::string& text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  };
  lower(word);
  lower(expected);
  return word == expected;
}

}  // namespace

const SavedSettings& UndoPlan::Record() const {
  static const SavedSettings none;
  const std::optional<SavedSettings>& record =
      target == UndoTarget::Last ? history.last : history.first;
  return record ? *record : none;
}

UndoPlan PlanUndo(platform::FileSystem& files, UndoTarget target) {
  UndoPlan plan;
  plan.target = target;
  plan.read = LoadHistory(files, plan.history);
  if (plan.read != HistoryRead::Read) {
    plan.historyPath = HistoryFilePath(files);
    return plan;
  }
  plan.screened = ScreenSettings(plan.Record());
  return plan;
}

std::string UnusableText(const UndoPlan& plan) {
  if (plan.read == HistoryRead::Untrusted) {
    return "The saved settings cannot be trusted: other users than the administrators can "
           "change the folder of " +
           plan.historyPath + ". Nothing was changed.";
  }
  return "The saved settings could not be read from " + plan.historyPath + ". Nothing was changed.";
}

const char* NothingToUndoText(UndoTarget target) { return TextsFor(target).nothing; }

RestoreOutcome CarryOutUndo(platform::Platform& platform, const std::string& programFolder,
                            const UndoPlan& plan) {
  const RestoreOutcome outcome = RestoreSettings(platform, programFolder, plan.Record());
  if (outcome.failures.empty()) {
    ForgetRestored(platform.files, plan.history, plan.target);
    // All went back: the computer no longer has the settings of the recorded mode. After a
    // partial restore it stays recorded, so that the check still holds the computer to it.
    RecordShareMode(platform.profile, programFolder, -1);
  }
  // The settings put back take effect at the next start, as a mode's do.
  if (!outcome.changedBack.empty()) {
    RecordChangeTime(platform.files, platform.clock.SecondsSince1970());
  }
  const bool last = plan.target == UndoTarget::Last;
  const bool all = outcome.failures.empty();
  app::WriteEvent(platform,
                  last ? (all ? app::Event::ModeUndone : app::Event::ModeNotAllUndone)
                       : (all ? app::Event::SettingsRestored : app::Event::SettingsNotAllRestored),
                  {RestoreReport(outcome)});
  return outcome;
}

bool IsCreateFolderCommandLine(const std::string& commandLine) {
  return IsCommandLine(commandLine, kCreateFolderCommandLine);
}

int CreateSettingsFolderSilently(platform::FileSystem& files) {
  return MakeRecordsFolder(files).path.empty() ? 1 : 0;
}

}  // namespace sharemode

namespace app {
namespace {

void Undo(TfrmMain& window, sharemode::UndoTarget target) {
  using namespace platform::mb;
  using namespace sharemode;
  Application& app = window.application();
  platform::Platform& platform = app.platform();
  const UndoPlan plan = PlanUndo(platform.files, target);
  if (plan.read != HistoryRead::Read) {
    app.ShowMessage(window.Handle(), UnusableText(plan), kOk | kIconStop);
    return;
  }
  const ScreenedSettings& screened = plan.screened;
  if (screened.allowed.Empty()) {
    app.ShowMessage(window.Handle(), NothingToUndoText(target) + IgnoredText(screened.ignored),
                    kOk | kIconInformation);
    return;
  }
  std::string question = std::string(TextsFor(target).question) + "\n\n";
  for (const std::string& line : DescribeSettings(screened.allowed)) question += line + "\n";
  question += "\nAfterwards no share mode is shown as applied.";
  if (app.ShowMessage(window.Handle(), question, kOkCancel | kIconQuestion) != kIdOk) return;

  const RestoreOutcome outcome = CarryOutUndo(platform, app.global().programFolder, plan);
  if (outcome.failures.empty()) window.m_radiosMode.SetItemIndex(-1);
  const bool clean = outcome.failures.empty() && outcome.ignored.empty();
  app.ShowMessage(window.Handle(), RestoreReport(outcome),
                  kOk | (clean ? kIconInformation : kIconWarning));
}

}  // namespace

void TfrmMain::menuUndoModeClick() { Undo(*this, sharemode::UndoTarget::Last); }

void TfrmMain::menuRestoreSettingsClick() { Undo(*this, sharemode::UndoTarget::First); }

}  // namespace app
