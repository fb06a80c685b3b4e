#include "sharemode/UndoModeChange.h"

#include <algorithm>
#include <cctype>

#include "app/Formmain.h"
#include "sharemode/ChangeTime.h"
#include "sharemode/RecordsFolder.h"
#include "sharemode/RestorableSettings.h"
#include "sharemode/RestoreSettings.h"
#include "sharemode/SettingsFile.h"
#include "sharemode/SettingsHistory.h"

namespace sharemode {
namespace {

enum class Which { Last, First };

struct UndoTexts {
  const char* nothing;
  const char* question;
};

const UndoTexts& TextsFor(Which which) {
  static const UndoTexts last{
      "There is no share-mode change to undo.",
      "Undo the last share-mode change? These settings go back to what they were before it:"};
  static const UndoTexts first{
      "Plinvo has not changed this computer's settings: there is nothing to restore.",
      "Restore the settings this computer had before Plinvo first changed them? These settings "
      "go back:"};
  return which == Which::Last ? last : first;
}

std::string UnusableText(HistoryRead read, const std::string& path) {
  if (read == HistoryRead::Untrusted) {
    return "The saved settings cannot be trusted: other users than the administrators can "
           "change the folder of " +
           path + ". Nothing was changed.";
  }
  return "The saved settings could not be read from " + path + ". Nothing was changed.";
}

// Drops the record just put back: the last one alone, or everything after a full restore.
void ForgetRestored(platform::FileSystem& files, SettingsHistory history, Which which) {
  if (which == Which::First) {
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

bool IsRestoreCommandLine(const std::string& commandLine) {
  return IsCommandLine(commandLine, kRestoreCommandLine);
}

bool IsCreateFolderCommandLine(const std::string& commandLine) {
  return IsCommandLine(commandLine, kCreateFolderCommandLine);
}

int CreateSettingsFolderSilently(platform::FileSystem& files) {
  return MakeRecordsFolder(files).path.empty() ? 1 : 0;
}

int RestoreWindowsSettingsSilently(platform::Platform& platform, const std::string& programFolder) {
  SettingsHistory history;
  if (LoadHistory(platform.files, history) != HistoryRead::Read) return 1;
  if (!history.first || history.first->Empty()) return 0;
  const RestoreOutcome outcome = RestoreSettings(platform, programFolder, *history.first);
  if (!outcome.failures.empty()) return 1;
  ForgetRestored(platform.files, history, Which::First);
  RecordShareMode(platform.profile, programFolder, -1);
  return 0;
}

}  // namespace sharemode

namespace app {
namespace {

void Undo(TfrmMain& window, sharemode::Which which) {
  using namespace platform::mb;
  using namespace sharemode;
  Application& app = window.application();
  platform::Platform& platform = app.platform();
  const UndoTexts& texts = TextsFor(which);
  SettingsHistory history;
  const HistoryRead read = LoadHistory(platform.files, history);
  if (read != HistoryRead::Read) {
    app.ShowMessage(window.Handle(), UnusableText(read, HistoryFilePath(platform.files)),
                    kOk | kIconStop);
    return;
  }
  const std::optional<SavedSettings>& record = which == Which::Last ? history.last : history.first;
  const ScreenedSettings screened = record ? ScreenSettings(*record) : ScreenedSettings{};
  if (screened.allowed.Empty()) {
    app.ShowMessage(window.Handle(), texts.nothing + IgnoredText(screened.ignored),
                    kOk | kIconInformation);
    return;
  }
  std::string question = std::string(texts.question) + "\n\n";
  for (const std::string& line : DescribeSettings(screened.allowed)) question += line + "\n";
  question += "\nAfterwards no share mode is shown as applied.";
  if (app.ShowMessage(window.Handle(), question, kOkCancel | kIconQuestion) != kIdOk) return;

  const RestoreOutcome outcome = RestoreSettings(platform, app.global().programFolder, *record);
  if (outcome.failures.empty()) {
    ForgetRestored(platform.files, history, which);
    // All went back: the computer no longer has the settings of the recorded mode. After a
    // partial restore it stays recorded, so that the check still holds the computer to it.
    RecordShareMode(platform.profile, app.global().programFolder, -1);
    window.m_radiosMode.SetItemIndex(-1);
  }
  // The settings put back take effect at the next start, as a mode's do.
  if (!outcome.changedBack.empty()) {
    RecordChangeTime(platform.files, platform.clock.SecondsSince1970());
  }
  const bool clean = outcome.failures.empty() && outcome.ignored.empty();
  app.ShowMessage(window.Handle(), RestoreReport(outcome),
                  kOk | (clean ? kIconInformation : kIconWarning));
}

}  // namespace

void TfrmMain::menuUndoModeClick() { Undo(*this, sharemode::Which::Last); }

void TfrmMain::menuRestoreSettingsClick() { Undo(*this, sharemode::Which::First); }

}  // namespace app
