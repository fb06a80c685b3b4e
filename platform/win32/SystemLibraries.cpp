#include "platform/win32/SystemLibraries.h"

#include <cstring>
#include <map>
#include <string>

#include "platform/win32/SystemFolder.h"

namespace platform::win32 {
namespace {

constexpr const char* kCommonControls = "comctl32.dll";

HMODULE LoadFromSystemFolder(const std::string& library) {
  const std::string folder = SystemFolder();
  if (folder.empty()) return nullptr;
  return LoadLibraryA((folder + "\\" + library).c_str());
}

HMODULE LoadCommonControlsModule() {
  LoadFromSystemFolder("uxtheme.dll");
  // A name the activation context redirects is loaded from the side-by-side store and never
  // searched for; anything else goes by full path (the system folder's version 5 controls).
  ACTCTX_SECTION_KEYED_DATA redirection;
  ZeroMemory(&redirection, sizeof(redirection));
  redirection.cbSize = sizeof(redirection);
  if (FindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                               kCommonControls, &redirection)) {
    return LoadLibraryA(kCommonControls);
  }
  return LoadFromSystemFolder(kCommonControls);
}

// Each library is tried once. One thread uses this: the program's user interface.
HMODULE Library(const char* name) {
  static std::map<std::string, HMODULE> loaded;
  auto found = loaded.find(name);
  if (found == loaded.end()) {
    const HMODULE module = std::strcmp(name, kCommonControls) == 0 ? LoadCommonControlsModule()
                                                                   : LoadFromSystemFolder(name);
    found = loaded.emplace(name, module).first;
  }
  return found->second;
}

}  // namespace

FARPROC SystemProcedure(const char* library, const char* name) {
  const HMODULE module = Library(library);
  return module == nullptr ? nullptr : GetProcAddress(module, name);
}

bool LoadCommonControls() { return Library(kCommonControls) != nullptr; }

}  // namespace platform::win32
