// Where the standard library reports a misuse (a string grown past its maximum, a position past
// the end, a text that is no number, an empty function called): the runtime's own versions throw
// the standard error classes, and with them would come the exception machinery the program is
// built without. Plinvo reports these as the faults they are, in the central error report with
// the library's message, and ends (platform::Fatal). The library declares these functions for
// exactly this purpose (bits/functexcept.h); defined here, the linker takes them instead of the
// runtime's.
#include <bits/functexcept.h>

#include <cstdarg>
#include <string>

#include "platform/Fatal.h"

namespace {

constexpr const char* kOutOfMemory = "Out of memory";

// The library's messages use only %zu, %lu and %s.
std::string Formatted(const char* pattern, va_list arguments) {
  std::string text;
  for (const char* at = pattern; *at != '\0'; ++at) {
    if (at[0] == '%' && at[1] == 's') {
      text += va_arg(arguments, const char*);
      ++at;
    } else if (at[0] == '%' && (at[1] == 'z' || at[1] == 'l') && at[2] == 'u') {
      text += std::to_string(at[1] == 'z' ? va_arg(arguments, std::size_t)
                                          : va_arg(arguments, unsigned long));
      at += 2;
    } else {
      text += *at;
    }
  }
  return text;
}

}  // namespace

namespace std {

void __throw_bad_alloc() { platform::Fatal(kOutOfMemory); }
void __throw_bad_array_new_length() { platform::Fatal(kOutOfMemory); }
void __throw_length_error(const char* what) { platform::Fatal(what); }
void __throw_logic_error(const char* what) { platform::Fatal(what); }
void __throw_out_of_range(const char* what) { platform::Fatal(what); }
void __throw_invalid_argument(const char* what) { platform::Fatal(what); }
void __throw_bad_function_call() { platform::Fatal("bad function call"); }

void __throw_out_of_range_fmt(const char* pattern, ...) {
  va_list arguments;
  va_start(arguments, pattern);
  const std::string text = Formatted(pattern, arguments);
  va_end(arguments);
  platform::Fatal(text);
}

}  // namespace std
