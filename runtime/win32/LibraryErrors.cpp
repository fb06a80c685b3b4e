// Where the standard library reports a misuse (a string grown past its maximum, a position past
// the end, a text that is no number): the runtime's own versions throw the standard error
// classes, whose prebuilt family (with its copy of the older string) is about 20 KiB. Plinvo
// reports these as every other failure, with platform::Failure and the library's message, which
// the central error report shows. Allocation failures stay std::bad_alloc, which callers catch.
// The library declares these functions for exactly this purpose (bits/functexcept.h); defined
// here, the linker takes them instead of the runtime's.
#include <bits/functexcept.h>

#include <cstdarg>
#include <new>
#include <string>

#include "platform/Failure.h"

namespace {

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

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_length_error(const char* what) { throw platform::Failure(what); }
void __throw_logic_error(const char* what) { throw platform::Failure(what); }
void __throw_out_of_range(const char* what) { throw platform::Failure(what); }
void __throw_invalid_argument(const char* what) { throw platform::Failure(what); }

void __throw_out_of_range_fmt(const char* pattern, ...) {
  va_list arguments;
  va_start(arguments, pattern);
  std::string text = Formatted(pattern, arguments);
  va_end(arguments);
  throw platform::Failure(std::move(text));
}

}  // namespace std
