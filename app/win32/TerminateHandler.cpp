// What the C++ runtime calls when an exception escapes everything: end the program at once.
// The runtime's own handler would first print the exception's type, demangled, to a console
// that this windowed program does not have, and brings the whole demangler into the file for it.
#include <cxxabi.h>

#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
