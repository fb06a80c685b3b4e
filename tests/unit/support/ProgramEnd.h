// In the unit tests a fault that would end the program (platform::Fatal) is thrown as this
// instead, so that a test can see it and go on.
#pragma once

#include <stdexcept>

namespace testing_support {

struct ProgramEnded : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace testing_support
