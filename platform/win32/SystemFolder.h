// The system folder, for the Win32 code that loads libraries from it by full path.
#pragma once

#include <string>

namespace platform::win32 {

// GetSystemDirectoryA's answer without a trailing separator; empty when the system gives none.
std::string SystemFolder();

}  // namespace platform::win32
