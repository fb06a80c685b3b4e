// Included before every file of the program (cmake/Windows.cmake). The standard library's headers
// pass a message to each of its misuse reports (a string grown past its maximum, a position past
// the end) through the macro __N, which exists to mark those messages for translation. Each file
// that uses a string or a vector kept its own copies of them, the same few texts over and over:
// about 5 KiB of the program. Here the macro hands on no text at all; the report says where the
// misuse was instead (runtime/win32/LibraryErrors.cpp), which with the program's debug information
// names the line.
#pragma once

#include <bits/c++config.h>

#undef __N
#define __N(msgid) (static_cast<const char*>(nullptr))
