#include "RemoteMenu.h"

#include "Handles.h"

namespace e2e {

namespace {

// Runs `routine(argument)` on a new thread of `process` and gives its exit code.
bool CallRemote(HANDLE process, FARPROC routine, void* argument, DWORD& exitCode) {
  KernelHandle thread(
      CreateRemoteThread(process, nullptr, 0,
                         reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void*>(routine)),
                         argument, 0, nullptr));
  if (thread.Get() == nullptr || WaitForSingleObject(thread.Get(), 10000) != WAIT_OBJECT_0) {
    return false;
  }
  return GetExitCodeThread(thread.Get(), &exitCode) != FALSE;
}

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

}  // namespace

bool ReadRemoteMenu(MenuQuery& query, std::string& error) {
  const std::string path = ProbePath();
  Library local(path);
  FARPROC localEntry = local.Get() ? GetProcAddress(local.Get(), kMenuProbeEntry) : nullptr;
  if (localEntry == nullptr) {
    error = "cannot load " + path;
    return false;
  }
  const ULONG_PTR entryOffset =
      reinterpret_cast<ULONG_PTR>(localEntry) - reinterpret_cast<ULONG_PTR>(local.Get());

  DWORD pid = 0;
  GetWindowThreadProcessId(query.window, &pid);
  KernelHandle process(OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION |
                                       PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                                   FALSE, pid));
  if (process.Get() == nullptr) {
    error = "cannot open the program's process";
    return false;
  }
  // kernel32 sits at the same address in every process, so LoadLibraryA does too.
  FARPROC loadLibrary = GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA");
  RemoteBlock remotePath(process.Get(), path.size() + 1);
  DWORD remoteBase = 0;
  if (!remotePath.Valid() || !remotePath.Write(0, path.c_str(), path.size() + 1) ||
      !CallRemote(process.Get(), loadLibrary, remotePath.Address(), remoteBase) ||
      remoteBase == 0) {
    error = "cannot load the menu probe into the program";
    return false;
  }
  RemoteBlock block(process.Get(), sizeof(MenuQuery));
  DWORD done = 0;
  if (!block.Valid() || !block.Write(0, &query, sizeof(query)) ||
      !CallRemote(process.Get(), reinterpret_cast<FARPROC>(remoteBase + entryOffset),
                  block.Address(), done) ||
      !block.Read(0, &query, sizeof(query))) {
    error = "the menu probe did not answer";
    return false;
  }
  if (done == 0) {
    error = "no menu";
    return false;
  }
  return true;
}

}  // namespace e2e
