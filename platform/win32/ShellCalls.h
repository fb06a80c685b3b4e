// The COM, automation and shell calls of the few commands that need them: the sharing check's
// firewall, the folder picker, opening an address. Their libraries (ole32, oleaut32, shell32)
// are loaded by full path at the first such call and stay loaded (but for the folder-path
// question, asked mainly at start-up): imported by name, they would load with the program,
// before its entry, although the first page needs none of them.
#pragma once

// clang-format off
#include "platform/win32/WindowsApi.h"
#include <objbase.h>
#include <oleauto.h>
#include <shlobj.h>
// clang-format on

namespace platform::win32 {

// Sets COM up on the calling thread, the user-interface thread, for the rest of the run, so that
// the objects a command asks for again (the firewall's, at every check) stay loaded between its
// uses. A call that fails (COM set up otherwise already) is tried again by the next.
void UseCom();

// CoCreateInstance without an outer object.
HRESULT CreateComObject(REFCLSID objectClass, DWORD context, REFIID interfaceId, void** object);
// CoTaskMemFree.
void FreeComMemory(void* memory);

// SysAllocString, SysFreeString, VariantClear.
BSTR AllocateBstr(const wchar_t* text);
void FreeBstr(BSTR text);
void ClearVariant(VARIANT& value);

// ShellExecuteA with the verb "open", no parameters and no folder.
void ShellOpen(const char* address, int showCommand);
// SHGetFolderPathA of the folder's current place; false when the shell does not say. The shell
// is loaded for this call only (unless a command above keeps it).
bool ShellFolderPath(int csidl, char (&folder)[MAX_PATH + 1]);
// SHBrowseForFolderA; null when nothing was chosen.
ITEMIDLIST* ShellBrowseForFolder(BROWSEINFOA& info);
// SHGetPathFromIDListW into a buffer of MAX_PATH + 1 characters.
bool ShellPathFromItemList(const ITEMIDLIST* list, wchar_t* path);

}  // namespace platform::win32
