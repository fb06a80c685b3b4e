#include "app/AppError.h"

namespace app {

std::string FormatMessageText(const std::string& pattern, const std::string& argument) {
  const std::string::size_type at = pattern.find("%s");
  if (at == std::string::npos) return pattern;
  return pattern.substr(0, at) + argument + pattern.substr(at + 2);
}

}  // namespace app
