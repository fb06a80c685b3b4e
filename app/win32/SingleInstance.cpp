#include "app/win32/SingleInstance.h"

#include <string>

#include "platform/win32/SystemLibraries.h"

namespace app::win32 {

namespace {

// Per logon session: another user's Plinvo is no reason to refuse this one.
constexpr const char* kMutexName = "Local\\Plinvo.SingleInstance";
// The main window's class, made by the first one right after it took the mutex.
constexpr const char* kMainWindowClass = "TfrmMain";
constexpr DWORD kWaitForWindow = 10000;

// The program file a process runs, as the system names it; empty when it cannot be read.
std::string ImageOf(HANDLE process) {
  // Not on XP's known-library list: loaded by full path, never imported by name.
  using ImageFileName = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD);
  const auto imageFileName =
      platform::win32::SystemCall<ImageFileName>("psapi.dll", "GetProcessImageFileNameA");
  if (imageFileName == nullptr) return {};
  char path[2 * MAX_PATH];
  const DWORD length = imageFileName(process, path, sizeof(path));
  return std::string(path, length);
}

// A window of the class made by a process that runs this very program file: a window of that
// class from any other program does not count.
HWND FindMainWindow() {
  const std::string ours = ImageOf(GetCurrentProcess());
  if (ours.empty()) return nullptr;
  const DWORD start = GetTickCount();
  while (true) {
    for (HWND window = FindWindowExA(nullptr, nullptr, kMainWindowClass, nullptr);
         window != nullptr; window = FindWindowExA(nullptr, window, kMainWindowClass, nullptr)) {
      DWORD processId = 0;
      GetWindowThreadProcessId(window, &processId);
      HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId);
      if (process == nullptr) continue;
      const std::string theirs = ImageOf(process);
      CloseHandle(process);
      if (lstrcmpiA(theirs.c_str(), ours.c_str()) == 0) return window;
    }
    if (GetTickCount() - start >= kWaitForWindow) return nullptr;
    Sleep(100);
  }
}

}  // namespace

SingleInstance::SingleInstance() {
  m_mutex = CreateMutexA(nullptr, FALSE, kMutexName);
  const DWORD error = GetLastError();
  // The mutex only tells that a first one may run; it is never waited on, so whoever else
  // holds that name cannot stop or hold up this program. Only a main window of this program
  // file tells that a Plinvo runs; without one this start goes on.
  if (m_mutex != nullptr && error != ERROR_ALREADY_EXISTS) return;
  HWND other = FindMainWindow();
  if (other == nullptr) return;
  if (IsIconic(other)) ShowWindow(other, SW_RESTORE);
  SetForegroundWindow(GetLastActivePopup(other));
  m_otherBroughtToFront = true;
}

SingleInstance::~SingleInstance() {
  if (m_mutex != nullptr) CloseHandle(m_mutex);
}

}  // namespace app::win32
