#include "platform/win32/SystemLibraries.h"

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/SystemFolder.h"

namespace platform::win32 {
namespace {

constexpr const char* kCommonControls = "comctl32.dll";

// The themes library's drawing helpers: some systems' themes library loads them by name when it
// first draws, rather than importing them, and that load would look in the program's folder
// first. Loaded from the system folder beforehand, the later load by name finds them loaded.
constexpr const char* kThemeDrawingHelpers = "msimg32.dll";

// The full path of the common controls in the side-by-side assembly that the activation context
// `context` names at `rosterIndex`, into `path`; false when the system does not say.
bool AssemblyCommonControls(HANDLE context, ULONG rosterIndex, wchar_t (&path)[2 * MAX_PATH]) {
  SIZE_T needed = 0;
  QueryActCtxW(0, context, &rosterIndex, AssemblyDetailedInformationInActivationContext, nullptr, 0,
               &needed);
  if (needed < sizeof(ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION)) return false;
  std::vector<char> buffer(needed);
  if (!QueryActCtxW(0, context, &rosterIndex, AssemblyDetailedInformationInActivationContext,
                    buffer.data(), buffer.size(), &needed)) {
    return false;
  }
  const auto* details =
      reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(buffer.data());
  const wchar_t* folder = details->lpAssemblyDirectoryName;
  if (folder == nullptr || folder[0] == L'\0') return false;
  UINT length = 0;
  const auto append = [&path, &length](const wchar_t* text) {
    for (; *text != L'\0'; ++text) {
      if (length + 1 >= 2 * MAX_PATH) return false;
      path[length++] = *text;
    }
    path[length] = L'\0';
    return true;
  };
  // Some systems name only the assembly's folder inside the side-by-side store.
  if (folder[1] != L':') {
    length = GetSystemWindowsDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    if (path[length - 1] != L'\\') append(L"\\");
    append(L"WinSxS\\");
  }
  return append(folder) && append(L"\\comctl32.dll");
}

HMODULE LoadCommonControlsModule() {
  LoadSystemLibrary(kThemeDrawingHelpers);
  LoadSystemLibrary("uxtheme.dll");
  // The version the manifest names lives in the side-by-side store. Loaded by that folder's full
  // path, its own imports are looked for there and in the system folders, not beside the program
  // as they would be if it were loaded by name through the activation context.
  ACTCTX_SECTION_KEYED_DATA redirection;
  ZeroMemory(&redirection, sizeof(redirection));
  redirection.cbSize = sizeof(redirection);
  if (FindActCtxSectionStringA(FIND_ACTCTX_SECTION_KEY_RETURN_HACTCTX, nullptr,
                               ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, kCommonControls,
                               &redirection)) {
    const std::unique_ptr<void, decltype(&ReleaseActCtx)> context(redirection.hActCtx,
                                                                  &ReleaseActCtx);
    wchar_t path[2 * MAX_PATH];
    if (AssemblyCommonControls(context.get(), redirection.ulAssemblyRosterIndex, path)) {
      HMODULE module = LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
      if (module != nullptr) return module;
    }
  }
  // Otherwise the system folder's version 5 controls: plainer, but from where they belong.
  return LoadSystemLibrary(kCommonControls);
}

// Each library is tried once. One thread uses this: the program's user interface.
HMODULE Library(const char* name) {
  // Kept as the file system keeps the handles it holds (Win32FileSystem), so that the two
  // share one map's code.
  static std::map<std::string, void*> loaded;
  const std::string key = name;
  const auto found = loaded.find(key);
  if (found != loaded.end()) return static_cast<HMODULE>(found->second);
  const HMODULE module = std::strcmp(name, kCommonControls) == 0 ? LoadCommonControlsModule()
                                                                 : LoadSystemLibrary(name);
  loaded[key] = module;
  return module;
}

}  // namespace

HMODULE LoadLibraryByFullPath(const std::string& path) {
  // With a full path, this flag makes the search for the library's own imports start in the
  // library's folder and leave out the program's folder.
  return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

HMODULE LoadSystemLibrary(const char* fileName) {
  const std::string folder = SystemFolder();
  if (folder.empty()) return nullptr;
  return LoadLibraryByFullPath(folder + "\\" + fileName);
}

FARPROC SystemProcedure(const char* library, const char* name) {
  const HMODULE module = Library(library);
  return module == nullptr ? nullptr : GetProcAddress(module, name);
}

bool LoadCommonControls() { return Library(kCommonControls) != nullptr; }

}  // namespace platform::win32
