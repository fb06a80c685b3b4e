// Where the standard library reports a misuse (a string grown past its maximum, a position past
// the end, a text that is no number, an empty function called): the runtime's own versions throw
// the standard error classes, and with them would come the exception machinery the program is
// built without. Plinvo reports these as the faults they are, in the central error report, and
// ends (platform::Fatal). The library declares these functions for exactly this purpose
// (bits/functexcept.h); defined here, the linker takes them instead of the runtime's.
// The library's own message is left out of the program (runtime/win32/NoLibraryMessages.h): the
// report names the place in the program that made it, as an offset into Plinvo.exe that the
// program's debug information turns into a file and line.
#include <bits/functexcept.h>
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/Fatal.h"

namespace {

constexpr const char* kOutOfMemory = "Out of memory";

// `caller` is a return address into the program's code; the offset is written in hexadecimal, as
// the tools that read debug information take it.
[[noreturn]] void Misuse(void* caller) {
  const std::uintptr_t offset = reinterpret_cast<std::uintptr_t>(caller) -
                                reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr));
  std::string reason = "The standard library was misused at Plinvo.exe+0x";
  for (int shift = 28; shift >= 0; shift -= 4) reason += "0123456789abcdef"[(offset >> shift) & 15];
  platform::Fatal(reason);
}

}  // namespace

// Each report's return address is the instruction just after the call that made it: in the
// program's own code, or in a member of std::string that the program called.
namespace std {

void __throw_bad_alloc() { platform::Fatal(kOutOfMemory); }
void __throw_bad_array_new_length() { platform::Fatal(kOutOfMemory); }
void __throw_length_error(const char*) { Misuse(__builtin_return_address(0)); }
void __throw_logic_error(const char*) { Misuse(__builtin_return_address(0)); }
void __throw_out_of_range(const char*) { Misuse(__builtin_return_address(0)); }
void __throw_invalid_argument(const char*) { Misuse(__builtin_return_address(0)); }
void __throw_bad_function_call() { Misuse(__builtin_return_address(0)); }
void __throw_out_of_range_fmt(const char*, ...) { Misuse(__builtin_return_address(0)); }

}  // namespace std
