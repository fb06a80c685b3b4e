#include "platform/win32/ShellCalls.h"

#include <shellapi.h>

#include "platform/win32/SystemLibraries.h"

namespace platform::win32 {
namespace {

constexpr const char* kCom = "ole32.dll";
constexpr const char* kAutomation = "oleaut32.dll";
constexpr const char* kShell = "shell32.dll";
// What a call answers when its library or entry cannot be found.
const HRESULT kNotFound = HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);

}  // namespace

void UseCom() {
  // Once set up, never taken down: the program's one thread keeps it until the end of the run.
  static bool setUp = false;
  if (setUp) return;
  const auto initialize = SystemCall<decltype(&::CoInitializeEx)>(kCom, "CoInitializeEx");
  setUp = initialize != nullptr && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
}

HRESULT CreateComObject(REFCLSID objectClass, DWORD context, REFIID interfaceId, void** object) {
  const auto create = SystemCall<decltype(&::CoCreateInstance)>(kCom, "CoCreateInstance");
  if (create == nullptr) return kNotFound;
  return create(objectClass, nullptr, context, interfaceId, object);
}

void FreeComMemory(void* memory) {
  const auto release = SystemCall<decltype(&::CoTaskMemFree)>(kCom, "CoTaskMemFree");
  if (release != nullptr) release(memory);
}

BSTR AllocateBstr(const wchar_t* text) {
  const auto allocate = SystemCall<decltype(&::SysAllocString)>(kAutomation, "SysAllocString");
  return allocate == nullptr ? nullptr : allocate(text);
}

void FreeBstr(BSTR text) {
  const auto release = SystemCall<decltype(&::SysFreeString)>(kAutomation, "SysFreeString");
  if (release != nullptr) release(text);
}

void ClearVariant(VARIANT& value) {
  const auto clear = SystemCall<decltype(&::VariantClear)>(kAutomation, "VariantClear");
  if (clear != nullptr) clear(&value);
}

void ShellOpen(const char* address, int showCommand) {
  const auto execute = SystemCall<decltype(&::ShellExecuteA)>(kShell, "ShellExecuteA");
  if (execute != nullptr) execute(nullptr, "open", address, nullptr, nullptr, showCommand);
}

bool ShellFolderPath(int csidl, char (&folder)[MAX_PATH + 1]) {
  // Asked at start-up for the records folder and seldom after: the shell and the libraries it
  // brings (over 1 MB under Wine) are released again rather than kept for the run.
  const OwnedLibrary shell(LoadSystemLibrary(kShell));
  const auto path = ProcedureOf<decltype(&::SHGetFolderPathA)>(shell, "SHGetFolderPathA");
  return path != nullptr && SUCCEEDED(path(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder));
}

ITEMIDLIST* ShellBrowseForFolder(BROWSEINFOA& info) {
  const auto browse = SystemCall<decltype(&::SHBrowseForFolderA)>(kShell, "SHBrowseForFolderA");
  return browse == nullptr ? nullptr : browse(&info);
}

bool ShellPathFromItemList(const ITEMIDLIST* list, wchar_t* path) {
  const auto read = SystemCall<decltype(&::SHGetPathFromIDListW)>(kShell, "SHGetPathFromIDListW");
  return read != nullptr && read(list, path);
}

}  // namespace platform::win32
