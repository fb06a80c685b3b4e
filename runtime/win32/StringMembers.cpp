// The members of std::string that Plinvo calls out of line, defined here. The runtime ships them
// prebuilt in one piece with every other member (about 33 KiB); taking any one of them from it
// brings all, since the linker keeps whatever the unwinding tables point at. With these defined
// here, the runtime's piece stays out. A member missing from this list only costs size: the
// linker then takes the runtime's piece again (the delivery test names the member that did).
// Compiled without inlining (set in cmake/Windows.cmake), so that the small helpers these call
// are defined here too rather than looked for in the runtime.
#include <bits/c++config.h>
// Lets this file instantiate std::string itself instead of declaring the runtime's copy.
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
#include <string>

namespace std {

using String = __cxx11::basic_string<char>;
using Size = String::size_type;

template String::basic_string(const String&);
template String::basic_string(String&&);
template void String::_M_construct(Size, char);
template char* String::_M_create(Size&, Size);
template void String::_M_dispose();
template void String::_M_assign(const String&);
template void String::_S_copy(char*, const char*, Size);
template String& String::_M_append(const char*, Size);
template String& String::_M_replace(Size, Size, const char*, Size);
template String& String::append(const char*);
template String& String::append(const char*, Size);
template String& String::append(const String&);
template String& String::insert(Size, const char*);
template String& String::insert(Size, const String&);
template void String::push_back(char);
template void String::pop_back();
template void String::resize(Size);
template void String::reserve(Size);
template String String::substr(Size, Size) const;
template int String::compare(const char*) const;
template int String::compare(const String&) const;
template int String::compare(Size, Size, const char*) const;
template Size String::find(const char*, Size) const;
template Size String::find(char, Size) const;
template Size String::rfind(char, Size) const;
template Size String::find_first_of(const char*, Size) const;
template Size String::find_last_of(const char*, Size) const;

}  // namespace std
