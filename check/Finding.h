// One row of the sharing check: what was looked at, what was found, what the applied mode
// needs, what it means for visitors, and what Plinvo can do about it.
#pragma once

#include <string>

namespace check {

enum class Status {
  Holds,         // what the mode needs is in place
  Blocks,        // visitors cannot come in the way the mode promises
  WorthKnowing,  // does not stop visitors, but the user should know
  NotChecked,    // could not be read; the explanation says why
};

enum class FixKind {
  None,
  ApplyMode,     // apply the recorded mode again, as "Apply" does
  StartService,  // start the service named by `fixTarget`
  OfferSigning,  // let the Server service sign, as Windows 11 from version 24H2 requires
};

struct Finding {
  Status status = Status::NotChecked;
  std::string what;
  std::string found;
  std::string needed;
  std::string explanation;
  FixKind fix = FixKind::None;
  std::string fixTarget;
};

// "Holds", "Blocks visitors", "Worth knowing", "Could not be checked".
const char* StatusText(Status status);

}  // namespace check
