#include "app/MessageText.h"

namespace app {

std::string FormatMessageText(const char* const pattern,
                              std::initializer_list<std::string_view> arguments) {
  std::string_view rest = pattern;
  std::string text;
  for (const std::string_view argument : arguments) {
    const std::string_view::size_type at = rest.find("%s");
    if (at == std::string_view::npos) break;
    text.append(rest.data(), at);
    text.append(argument.data(), argument.size());
    rest.remove_prefix(at + 2);
  }
  text.append(rest.data(), rest.size());
  return text;
}

}  // namespace app
