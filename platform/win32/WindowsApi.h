// <windows.h> without the ANSI/wide name macros that collide with method names of the platform
// interfaces (FileSystem::DeleteFile, Processes::CreateProcess, ...). Code here always calls the
// ...A entry points by their full names, so the macros are of no use to it.
#pragma once

#include <windows.h>

#undef CreateProcess
#undef DeleteFile
#undef GetComputerName
#undef GetModuleFileName
#undef GetSystemDirectory
#undef GetTempPath
#undef GetUserName
#undef GetVersionEx
#undef GetWindowsDirectory
#undef RemoveDirectory
