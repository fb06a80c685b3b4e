// The command line of the unattended verbs an administrator starts from a script:
// "/ApplyShareMode:Stop|Zendry|Normal", "/UndoLastModeChange", "/RestoreWindowsSettings",
// "/CheckSharing [/Report:<file>]", each with an optional "/Log:<file>", in any order, letter
// case ignored, a word with blanks in double quotes.
#pragma once

#include <string>

namespace app {

enum class Verb { None, ApplyShareMode, UndoLastModeChange, RestoreWindowsSettings, CheckSharing };

struct VerbCommand {
  Verb verb = Verb::None;
  int mode = -1;           // ApplyShareMode: 0 "Stop Share", 1 "Zendry Share", 2 "Normal Share"
  std::string logFile;     // empty: no log file
  std::string reportFile;  // CheckSharing; empty: no report file
  std::string problem;     // why the command line is refused; empty when it is well formed
};

// Whether the command line is meant for a verb: its first word is "/" followed by the first
// three letters of a verb's or an option's name ("/App", "/Und", "/Res", "/Che", "/Rep",
// "/Log"). Such a line runs the verb when well formed and is refused otherwise; any other line
// starts the window.
bool IsVerbCommandLine(const std::string& commandLine);

// Reads a verb command line. A "/Log:<file>" is kept even when the rest is refused, so that
// the log can say why.
VerbCommand ParseVerbCommandLine(const std::string& commandLine);

}  // namespace app
