// An error that ends the handler it escapes from and reaches the central error report.
#pragma once

#include <stdexcept>
#include <string>

namespace app {

class AppError : public std::runtime_error {
 public:
  explicit AppError(const std::string& message) : std::runtime_error(message) {}
};

// "Cannot open file %s", "Cannot create file %s", ... with the argument in place of %s.
std::string FormatMessageText(const std::string& pattern, const std::string& argument);

}  // namespace app
