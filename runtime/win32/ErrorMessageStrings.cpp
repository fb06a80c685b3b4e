// The standard error classes (std::runtime_error and its kin) keep their message in the
// runtime's older, reference-counted string. Their constructors and copies need only the few
// members of that string defined here; without them the linker takes the runtime's whole
// prebuilt copy of the older string, about 32 KiB of code that nothing else in Plinvo calls.
// Compiled with the older string layout (set in cmake/Windows.cmake). Each member is emitted as
// a shared (COMDAT) definition, so it folds into the runtime's own should that be linked after all.
#include <string>

#if _GLIBCXX_USE_CXX11_ABI
#error "compile this file with _GLIBCXX_USE_CXX11_ABI=0"
#endif

namespace std {

using LegacyString = basic_string<char>;

template void LegacyString::swap(LegacyString&);
template LegacyString& LegacyString::assign(const LegacyString&);
template char* LegacyString::_S_construct(size_type, char, const allocator<char>&);
template void LegacyString::_M_copy(char*, const char*, size_type);
template void LegacyString::_M_assign(char*, size_type, char);
template bool LegacyString::_Rep::_M_is_leaked() const;
template char* LegacyString::_Rep::_M_refcopy();
template void LegacyString::_Rep::_M_set_length_and_sharable(size_type);
template void LegacyString::_Rep::_M_destroy(const allocator<char>&);
template void LegacyString::_Rep::_M_dispose(const allocator<char>&);
template char* LegacyString::_Rep::_M_clone(const allocator<char>&, size_type);
template LegacyString::_Rep* LegacyString::_Rep::_S_create(size_type, size_type,
                                                           const allocator<char>&);

}  // namespace std
