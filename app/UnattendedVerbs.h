// The unattended verbs: the same apply, undo, restore and sharing check as the window's, with
// no window and no box, ending with an exit code a script can act on.
#pragma once

#include <string>
#include <vector>

#include "app/VerbCommandLine.h"
#include "app/VerbOutcome.h"
#include "check/Finding.h"
#include "platform/Platform.h"

namespace app {

// The exit codes, listed for administrators in the README.
namespace verb_exit {
inline constexpr int kDone = 0;  // every step succeeded; the check: everything holds
// The sharing check.
inline constexpr int kWorthKnowing = 1;
inline constexpr int kBlocksVisitors = 2;
inline constexpr int kNotChecked = 3;
inline constexpr int kReportNotWritten = 4;
inline constexpr int kNotAdministrator = 5;  // as Windows' "access denied"
inline constexpr int kLogNotWritten = 6;     // nothing was done
// /ApplyShareMode.
inline constexpr int kWriteRefused = 10;      // the recipe stopped there
inline constexpr int kToolFailed = 11;        // every step ran; the mode is recorded
inline constexpr int kSettingsNotSaved = 12;  // nothing was changed
// /UndoLastModeChange.
inline constexpr int kRecordUnusable = 20;  // nothing was changed
inline constexpr int kNotAllPutBack = 21;
// /RestoreWindowsSettings, for any failure, as the uninstaller has always read it.
inline constexpr int kRestoreFailed = 1;
inline constexpr int kBadCommandLine = 87;  // as Windows' "invalid parameter"; nothing was done
inline constexpr int kFault = 99;           // stopped on a fault (memory gone); the log ends short
}  // namespace verb_exit

// The check's code: the worst row for visitors wins, a row that blocks them (2) before one
// that could not be checked (3), which may hide a block, before one worth knowing (1).
int CheckExitCode(const std::vector<check::Finding>& rows);

// Runs a well-formed command as an administrator; returns its exit code.
int RunVerb(platform::Platform& platform, const std::string& programFolder,
            const VerbCommand& command, VerbOutcome& outcome);

// The whole of a verb start: the command line read, its log file begun, the refusals (a bad
// command line, a user who is not an administrator), then the verb. Returns the exit code.
int RunVerbCommandLine(platform::Platform& platform, const std::string& programFolder,
                       const std::string& commandLine);

}  // namespace app
