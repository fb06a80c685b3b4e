// The end for a fault that leaves nothing sound to go on with: a design lacking a control the
// program asks for, a window the system cannot make, a misuse the standard library reports,
// memory gone. Without exceptions there is nothing to unwind to, so the program says why, when
// someone has asked to be told, and ends.
#pragma once

#include <functional>
#include <string>

namespace platform {

// Called with the reason before the program ends. The program shows it in the central error
// report; without one (the installer's silent calls) the program ends without a word.
using FatalReport = std::function<void(const char* reason)>;
void SetFatalReport(FatalReport report);

// Reports `reason` once and ends the program with exit code 1. A fault while reporting ends it at
// once.
[[noreturn]] void Fatal(const char* reason);
[[noreturn]] void Fatal(const std::string& reason);

}  // namespace platform
