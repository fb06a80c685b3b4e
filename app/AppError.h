// An error that ends the handler it escapes from and reaches the central error report.
#pragma once

#include <string>

#include "platform/Failure.h"

namespace app {

class AppError : public platform::Failure {
 public:
  explicit AppError(const std::string& message) : platform::Failure(message) {}
};

}  // namespace app
