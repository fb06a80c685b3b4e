// Message texts made from a pattern and the data that goes into it.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace app {

// The pattern with each "%s", in order, replaced by the next argument: "Cannot open file %s",
// "The share points to %s, which ...". The arguments are inserted as they are and never read as
// patterns themselves. A "%s" beyond the last argument stays as written; arguments beyond the
// last "%s" are left out.
std::string FormatMessageText(const char* pattern,
                              std::initializer_list<std::string_view> arguments);

}  // namespace app
