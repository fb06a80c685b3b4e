// The members of std::string, defined here for the program. The runtime ships them prebuilt in
// one piece (about 33 KiB); taking any one of them from it brings all, since the linker keeps
// whatever the runtime's unwinding tables point at. Here the whole class is instantiated, compiled
// as the program is (without exceptions or unwinding tables), so every member the program calls is
// found here, each in a section of its own, and the linker drops the ones nothing calls.
#include <bits/c++config.h>
// Lets this file instantiate std::string itself instead of declaring the runtime's copy.
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
#include <string>

namespace std {

template class __cxx11::basic_string<char>;

}  // namespace std
