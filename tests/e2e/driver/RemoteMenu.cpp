#include "RemoteMenu.h"

#include <cstddef>

#include "Handles.h"

namespace e2e {

namespace {

std::string ProbePath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof(path));
  std::string folder(path);
  const size_t slash = folder.find_last_of("\\/");
  folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
  return folder + kMenuProbeDll;
}

class Library {
 public:
  explicit Library(const std::string& path) : module_(LoadLibraryA(path.c_str())) {}
  ~Library() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  HMODULE Get() const { return module_; }

 private:
  HMODULE module_;
};

class Hook {
 public:
  Hook(HOOKPROC procedure, HMODULE module, DWORD thread)
      : hook_(SetWindowsHookExA(WH_GETMESSAGE, procedure, module, thread)) {}
  ~Hook() {
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  }
  Hook(const Hook&) = delete;
  Hook& operator=(const Hook&) = delete;
  bool Set() const { return hook_ != nullptr; }

 private:
  HHOOK hook_;
};

}  // namespace

// A thread started in the program instead (CreateRemoteThread) now and then hung the driver
// for good under Wine when the program had only just shown its window.
bool ReadRemoteMenu(MenuQuery& query, std::string& error) {
  const std::string path = ProbePath();
  Library probe(path);
  FARPROC entry = probe.Get() ? GetProcAddress(probe.Get(), kMenuProbeHook) : nullptr;
  auto procedure = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(entry));
  const UINT ask = RegisterWindowMessageA(kMenuProbeMessage);
  if (procedure == nullptr || ask == 0) {
    error = "cannot load " + path;
    return false;
  }
  DWORD pid = 0;
  const DWORD thread = GetWindowThreadProcessId(query.window, &pid);
  KernelHandle process(OpenProcess(
      PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
      pid));
  if (process.Get() == nullptr) {
    error = "cannot open the program's process";
    return false;
  }
  RemoteBlock block(process.Get(), sizeof(MenuQuery));
  query.done = 0;
  if (!block.Valid() || !block.Write(0, &query, sizeof(query))) {
    error = "cannot reach the program's memory";
    return false;
  }
  Hook hook(procedure, probe.Get(), thread);
  if (!hook.Set() ||
      !PostMessageA(query.window, ask, 0, reinterpret_cast<LPARAM>(block.Address()))) {
    error = "cannot hook the menu probe into the program";
    return false;
  }
  // Only the flag is read while waiting; the whole block once the probe has filled it.
  const DWORD start = GetTickCount();
  int done = 0;
  do {
    Sleep(10);
    if (!block.Read(offsetof(MenuQuery, done), &done, sizeof(done))) break;
  } while (done == 0 && GetTickCount() - start < 15000);
  if (done == 0 || !block.Read(0, &query, sizeof(query))) {
    error = "the menu probe did not answer";
    return false;
  }
  if (query.done == 2) {
    error = "no menu";
    return false;
  }
  return true;
}

}  // namespace e2e
