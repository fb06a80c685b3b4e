// Libraries that are not on the known-library lists of both XP and Vista. Imported by name, the
// system would look for them in the program's own folder first, where anybody who can write
// there could put a library of that name to run with administrator rights. They are loaded on
// first use by their full path in the system folder, and stay loaded.
#pragma once

#include <memory>
#include <string>

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

// Loads the library at the full path `path` so that the libraries it imports are looked for in
// its own folder first, then in the system folders, never in the program's folder (where the
// plain load would look first, before the system folder). Null when it cannot be loaded.
HMODULE LoadLibraryByFullPath(const std::string& path);

// The same for the library `fileName` of the system folder ("riched20.dll"); null when the
// system folder is unknown or the library cannot be loaded.
HMODULE LoadSystemLibrary(const char* fileName);

struct LibraryReleaser {
  void operator()(HMODULE library) const { FreeLibrary(library); }
};

// A library loaded for a task that asks it once and released after it (null when it could not
// be loaded): what only the start-up needs does not stay in memory for the whole run.
using OwnedLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryReleaser>;

// The entry point `name` of such a library, as the declared function type; null when either is
// missing.
template <class Function>
Function ProcedureOf(const OwnedLibrary& library, const char* name) {
  if (library == nullptr) return nullptr;
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(library.get(), name)));
}

// The entry point `name` of the system library `library` ("netapi32.dll"); null when either is
// missing.
FARPROC SystemProcedure(const char* library, const char* name);

// The same, as the declared function type: SystemCall<decltype(&::NetShareDel)>(...).
template <class Function>
Function SystemCall(const char* library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(SystemProcedure(library, name)));
}

// Loads the themes library by full path, then the common controls: the version the manifest
// asks for from the system's side-by-side store, else the system folder's. Loading the themes
// library first makes the common controls' own request for it find the loaded one, rather than
// a copy in the program's folder. Before any window is made; true when the controls loaded.
bool LoadCommonControls();

}  // namespace platform::win32
