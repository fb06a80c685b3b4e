#include "app/UnattendedVerbs.h"

#include <algorithm>

#include "app/ChangeEvents.h"
#include "app/MessageText.h"
#include "check/ReportFiles.h"
#include "check/SharingCheck.h"
#include "sharemode/ApplyShareMode.h"
#include "sharemode/UndoModeChange.h"

namespace app {
namespace {

// As the sharing check's report names a computer it could not read the name of.
constexpr std::uint32_t kComputerNameCapacity = 16;

int ApplyShareMode(platform::Platform& platform, const std::string& programFolder, int mode,
                   VerbOutcome& outcome) {
  outcome.Line(FormatMessageText("Applying %s.", {check::ModeName(mode)}));
  const sharemode::SavedBeforeChange saved =
      sharemode::SaveBeforeApplying(platform, programFolder, mode);
  if (!saved.saved) {
    const char* const notSaved =
        "The present settings could not be saved, so this change could not be undone later. "
        "Nothing was changed.";
    outcome.Line(notSaved);
    WriteEvent(platform, Event::ModeNotApplied, {check::ModeName(mode), notSaved});
    return verb_exit::kSettingsNotSaved;
  }
  outcome.Line(saved.instead.empty()
                   ? FormatMessageText("Saved the present settings in %s.", {saved.folder})
                   : sharemode::RecordsMovedText(saved));
  const sharemode::Recipe& recipe = sharemode::RecipeFor(mode);
  auto run = sharemode::RunRecipe(platform, recipe, programFolder);
  sharemode::WriteAppliedEvent(platform, programFolder, mode, run);
  if (!run.Succeeded()) {
    outcome.Line(sharemode::StoppedText(run.status().failure()));
    return verb_exit::kWriteRefused;
  }
  const std::vector<sharemode::FailedStep>& failures = run.value();
  outcome.Line(sharemode::StepsText(recipe, programFolder, failures));
  outcome.Line(recipe.resultMessage);
  if (!sharemode::RecordAppliedMode(platform, programFolder, mode)) {
    outcome.Line("The time of the change could not be kept beside the saved settings.");
  }
  outcome.Line(FormatMessageText("config.ini records %s.", {check::ModeName(mode)}));
  if (failures.empty()) return verb_exit::kDone;
  outcome.Line(sharemode::ToolFailureWarning(failures));
  return verb_exit::kToolFailed;
}

// Undo and the full restore differ only in the record and in the codes of their failures.
int PutBack(platform::Platform& platform, const std::string& programFolder,
            sharemode::UndoTarget target, VerbOutcome& outcome) {
  const bool undo = target == sharemode::UndoTarget::Last;
  const sharemode::UndoPlan plan = sharemode::PlanUndo(platform.files, target);
  if (plan.read != sharemode::HistoryRead::Read) {
    outcome.Line(sharemode::UnusableText(plan));
    return undo ? verb_exit::kRecordUnusable : verb_exit::kRestoreFailed;
  }
  if (plan.screened.allowed.Empty()) {
    outcome.Line(sharemode::NothingToUndoText(target) +
                 sharemode::IgnoredText(plan.screened.ignored));
    return verb_exit::kDone;
  }
  outcome.Line("Putting back:");
  for (const std::string& line : sharemode::DescribeSettings(plan.screened.allowed)) {
    outcome.Line(line);
  }
  const sharemode::RestoreOutcome restored = sharemode::CarryOutUndo(platform, programFolder, plan);
  outcome.Line(sharemode::RestoreReport(restored));
  if (restored.failures.empty()) return verb_exit::kDone;
  return undo ? verb_exit::kNotAllPutBack : verb_exit::kRestoreFailed;
}

int CheckSharing(platform::Platform& platform, const std::string& programFolder,
                 const std::string& reportFile, VerbOutcome& outcome) {
  const check::CheckInput input = check::InputFor(platform, programFolder);
  outcome.Line(FormatMessageText("Checking sharing for %s.", {check::ModeName(input.mode)}));
  const std::vector<check::Finding> rows = check::RunSharingCheck(input);
  std::string found;
  for (const check::Finding& row : rows) {
    found += FormatMessageText("[%s] %s: %s (needed: %s)\n",
                               {check::StatusText(row.status), row.what, row.found, row.needed});
  }
  if (!found.empty()) found.pop_back();
  outcome.Line(found);
  const int code = CheckExitCode(rows);
  constexpr Event kCheckEvents[] = {Event::CheckHolds, Event::CheckWorthKnowing,
                                    Event::CheckBlocksVisitors, Event::CheckNotChecked};
  WriteEvent(platform, kCheckEvents[code], {check::ModeName(input.mode), found});
  if (reportFile.empty()) return code;
  std::string computer;
  if (!platform.identity.GetComputerName(computer, kComputerNameCapacity)) computer = "(unknown)";
  const std::string tablePath = check::ReportTablePath(reportFile);
  if (!platform.files.ReplaceFile(reportFile, check::ReportText(computer, input.mode, rows)) ||
      !platform.files.ReplaceFile(tablePath, check::ReportTable(rows))) {
    outcome.Line(FormatMessageText("The report could not be written to %s and %s.",
                                   {reportFile, tablePath}));
    return verb_exit::kReportNotWritten;
  }
  outcome.Line(FormatMessageText("Wrote the report to %s and %s.", {reportFile, tablePath}));
  return code;
}

}  // namespace

int CheckExitCode(const std::vector<check::Finding>& rows) {
  const auto any = [&rows](check::Status status) {
    return std::any_of(rows.begin(), rows.end(),
                       [status](const check::Finding& row) { return row.status == status; });
  };
  if (any(check::Status::Blocks)) return verb_exit::kBlocksVisitors;
  if (any(check::Status::NotChecked)) return verb_exit::kNotChecked;
  if (any(check::Status::WorthKnowing)) return verb_exit::kWorthKnowing;
  return verb_exit::kDone;
}

int RunVerb(platform::Platform& platform, const std::string& programFolder,
            const VerbCommand& command, VerbOutcome& outcome) {
  switch (command.verb) {
    case Verb::ApplyShareMode:
      return ApplyShareMode(platform, programFolder, command.mode, outcome);
    case Verb::UndoLastModeChange:
      return PutBack(platform, programFolder, sharemode::UndoTarget::Last, outcome);
    case Verb::RestoreWindowsSettings:
      return PutBack(platform, programFolder, sharemode::UndoTarget::First, outcome);
    case Verb::CheckSharing:
      return CheckSharing(platform, programFolder, command.reportFile, outcome);
    case Verb::None:
      break;
  }
  return verb_exit::kBadCommandLine;
}

int RunVerbCommandLine(platform::Platform& platform, const std::string& programFolder,
                       const std::string& commandLine) {
  const VerbCommand command = ParseVerbCommandLine(commandLine);
  VerbLogFile log(platform, command.logFile);
  const bool logged = log.Start("Plinvo " + commandLine);
  const auto refuse = [&](const std::string& why, int code) {
    log.Line(why);
    WriteEvent(platform, Event::CommandLineRefused, {commandLine, why});
    return code;
  };
  if (!command.problem.empty()) {
    return refuse("Bad command line, nothing was done: " + command.problem,
                  verb_exit::kBadCommandLine);
  }
  if (!logged) {
    return refuse("The log file " + command.logFile + " could not be written, so nothing was done.",
                  verb_exit::kLogNotWritten);
  }
  if (!platform.identity.IsAdministrator()) {
    return refuse(
        "Refused, nothing was done: the verbs need an administrator (on Vista, a program "
        "started with \"Run as administrator\").",
        verb_exit::kNotAdministrator);
  }
  // Only now: a refused command line changes nothing, the source's registration included.
  RegisterEventSource(platform);
  const int code = RunVerb(platform, programFolder, command, log);
  log.Line(FormatMessageText("Exit code %s.", {std::to_string(code)}));
  return code;
}

}  // namespace app
