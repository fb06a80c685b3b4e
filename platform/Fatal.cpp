#include "platform/Fatal.h"

#include <cstdlib>
#include <utility>

namespace platform {
namespace {

// A pointer, set before anything can go wrong: a report set while other files' globals are made
// (the unit tests') is not reset by this file's own start.
FatalReport* g_report = nullptr;
bool g_reporting = false;

// Cleared again when a report does not come back (the unit tests' report throws), so that the
// next fault is reported too.
struct Reporting {
  Reporting() { g_reporting = true; }
  ~Reporting() { g_reporting = false; }
};

}  // namespace

void SetFatalReport(FatalReport report) {
  delete g_report;
  g_report = report ? new FatalReport(std::move(report)) : nullptr;
}

void Fatal(const char* reason) {
  // Out of memory while telling of it, or a fault in the report itself: nothing more to say.
  if (g_report != nullptr && !g_reporting) {
    Reporting reporting;
    (*g_report)(reason);
  }
  std::_Exit(1);
}

void Fatal(const std::string& reason) { Fatal(reason.c_str()); }

}  // namespace platform
