#include "app/MessageText.h"

namespace app {

std::string FormatMessageText(std::string_view pattern,
                              std::initializer_list<std::string_view> arguments) {
  std::string text;
  for (const std::string_view argument : arguments) {
    const std::string_view::size_type at = pattern.find("%s");
    if (at == std::string_view::npos) break;
    text.append(pattern.data(), at);
    text.append(argument.data(), argument.size());
    pattern.remove_prefix(at + 2);
  }
  text.append(pattern.data(), pattern.size());
  return text;
}

}  // namespace app
