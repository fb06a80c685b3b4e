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

// The full path of `fileName` in the side-by-side assembly that the activation context `context`
// names at `rosterIndex`, terminated; empty when the system does not say. (Wide texts are kept
// in vectors: the program does without the library's wide strings.)
std::vector<wchar_t> AssemblyFile(HANDLE context, ULONG rosterIndex, const wchar_t* fileName) {
  SIZE_T needed = 0;
  QueryActCtxW(0, context, &rosterIndex, AssemblyDetailedInformationInActivationContext, nullptr, 0,
               &needed);
  if (needed < sizeof(ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION)) return {};
  std::vector<char> buffer(needed);
  if (!QueryActCtxW(0, context, &rosterIndex, AssemblyDetailedInformationInActivationContext,
                    buffer.data(), buffer.size(), &needed)) {
    return {};
  }
  const auto* details =
      reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(buffer.data());
  const wchar_t* folder = details->lpAssemblyDirectoryName;
  if (folder == nullptr || folder[0] == L'\0') return {};
  std::vector<wchar_t> path;
  const auto append = [&path](const wchar_t* text) {
    for (; *text != L'\0'; ++text) path.push_back(*text);
  };
  // Some systems name only the assembly's folder inside the side-by-side store.
  if (folder[1] != L':') {
    wchar_t windows[MAX_PATH + 1] = {0};
    const UINT length = GetSystemWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    append(windows);
    if (path.back() != L'\\') path.push_back(L'\\');
    append(L"WinSxS\\");
  }
  append(folder);
  path.push_back(L'\\');
  append(fileName);
  path.push_back(L'\0');
  return path;
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
    const std::vector<wchar_t> path =
        AssemblyFile(context.get(), redirection.ulAssemblyRosterIndex, L"comctl32.dll");
    if (!path.empty()) {
      HMODULE module = LoadLibraryExW(path.data(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
      if (module != nullptr) return module;
    }
  }
  // Otherwise the system folder's version 5 controls: plainer, but from where they belong.
  return LoadSystemLibrary(kCommonControls);
}

// Each library is tried once. One thread uses this: the program's user interface.
HMODULE Library(const char* name) {
  static std::map<std::string, HMODULE> loaded;
  auto found = loaded.find(name);
  if (found == loaded.end()) {
    const HMODULE module = std::strcmp(name, kCommonControls) == 0 ? LoadCommonControlsModule()
                                                                   : LoadSystemLibrary(name);
    found = loaded.emplace(name, module).first;
  }
  return found->second;
}

}  // namespace

HMODULE LoadLibraryByFullPath(const std::string& path) {
  // With a full path, this flag makes the search for the library's own imports start in the
  // library's folder and leave out the program's folder.
  return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

HMODULE LoadSystemLibrary(const std::string& fileName) {
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
