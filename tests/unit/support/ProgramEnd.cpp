#include "support/ProgramEnd.h"

#include "platform/Fatal.h"

namespace {

const bool kReported = [] {
  platform::SetFatalReport([](const char* reason) { throw testing_support::ProgramEnded(reason); });
  return true;
}();

}  // namespace
