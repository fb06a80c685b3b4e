#include "ui/win32/DllSearch.h"

#include <windows.h>

namespace ui::win32 {

bool DropCurrentFolderFromDllSearch() {
  using SetDllDirectoryFunction = BOOL(WINAPI*)(LPCSTR);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (kernel == nullptr) return false;
  // Bound at run time: XP before SP1 lacks the entry point, and the program must still start.
  FARPROC found = GetProcAddress(kernel, "SetDllDirectoryA");
  if (found == nullptr) return false;
  auto setDllDirectory =
      reinterpret_cast<SetDllDirectoryFunction>(reinterpret_cast<void (*)()>(found));
  return setDllDirectory("") != FALSE;
}

}  // namespace ui::win32
