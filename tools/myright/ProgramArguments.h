// Plinvo quotes the tool's path, but a caller that puts the program folder unquoted in front of
// "myright.exe" (a script, a hand-typed line) has the C runtime split the path itself into words
// when it holds blanks: argv = {"C:\Program", "Files\Plinvo\myright.exe", "-u", "Guest", ...}.
// The words that rebuild the running program's own path are part of the program name, not
// arguments.
#pragma once

#include <string>
#include <vector>

namespace myright {

// Where the arguments start in `words`, the C runtime's split of the command line (`count`
// words, program name first); `programPath` is the full path of the running program file.
// Leading words that, joined by single blanks, spell `programPath` (or it without its ".exe"),
// compared without regard to case and with runs of blanks counted as one, belong to the program
// name. 0 when there are no words at all.
int FirstArgument(int count, const char* const* words, const char* programPath);

// The arguments after the program name, for callers that hold strings (StringForms.cpp).
std::vector<std::string> ArgumentsAfterProgramName(const std::vector<std::string>& argv,
                                                   const std::string& programPath);

}  // namespace myright
