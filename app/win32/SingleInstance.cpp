#include "app/win32/SingleInstance.h"

#include <memory>
#include <optional>
#include <string>

#include "app/ProcessStanding.h"
#include "platform/win32/OwnedHandle.h"
#include "platform/win32/SystemLibraries.h"

namespace app::win32 {

namespace {

// Per logon session: another user's Plinvo is no reason to refuse this one.
constexpr const char* kMutexName = "Local\\Plinvo.SingleInstance";
// The main window's class, made by the first one right after it took the mutex.
constexpr const char* kMainWindowClass = "TfrmMain";
constexpr DWORD kWaitForWindow = 10000;

using platform::win32::OwnedHandle;

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

// Whether the token counts as an administrator for access checks; nothing when it cannot be
// read. A limited token of an administrator carries the group for denying only, which the
// membership check does not count.
std::optional<bool> HoldsAdministrators(HANDLE token) {
  BYTE administrators[SECURITY_MAX_SID_SIZE];
  DWORD sidSize = sizeof(administrators);
  if (!CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &sidSize)) {
    return std::nullopt;
  }
  // The check asks for an impersonation token.
  HANDLE identification = nullptr;
  if (!DuplicateToken(token, SecurityIdentification, &identification)) return std::nullopt;
  const OwnedHandle guard(identification);
  BOOL member = FALSE;
  if (!CheckTokenMembership(identification, administrators, &member)) return std::nullopt;
  return member != FALSE;
}

// What the process's token says about its rights; not read when it cannot be opened.
ProcessStanding StandingOf(HANDLE process) {
  ProcessStanding standing;
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY | TOKEN_DUPLICATE, &token)) return standing;
  const OwnedHandle tokenGuard(token);
  const std::optional<bool> administrator = HoldsAdministrators(token);
  if (!administrator) return standing;
  standing.read = true;
  standing.administrator = *administrator;
  // XP knows no elevation and refuses the question; Vista and later answer it.
  TOKEN_ELEVATION elevation;
  DWORD size = 0;
  if (GetTokenInformation(token, TokenElevation, &elevation, sizeof(elevation), &size)) {
    standing.elevated = elevation.TokenIsElevated != 0;
  }
  return standing;
}

struct Ours {
  std::string image;
  ProcessStanding standing;
};

// Whether the process runs this very program file at this one's standing.
bool IsCopyLikeUs(DWORD processId, const Ours& ours) {
  if (processId == GetCurrentProcessId()) return false;
  const OwnedHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
  if (process == nullptr) return false;
  const std::string theirs = ImageOf(process.get());
  return !theirs.empty() && lstrcmpiA(theirs.c_str(), ours.image.c_str()) == 0 &&
         SameStanding(ours.standing, StandingOf(process.get()));
}

// Whether any other process runs this program file at this one's standing now.
bool AnyCopyLikeUs(const Ours& ours) {
  using EnumProcesses = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
  const auto enumProcesses =
      platform::win32::SystemCall<EnumProcesses>("psapi.dll", "EnumProcesses");
  if (enumProcesses == nullptr) return false;
  DWORD processes[1024];
  DWORD size = 0;
  if (!enumProcesses(processes, sizeof(processes), &size)) return false;
  for (DWORD i = 0; i < size / sizeof(DWORD); ++i) {
    if (IsCopyLikeUs(processes[i], ours)) return true;
  }
  return false;
}

// A main window made by a copy of this program at the same standing. A window of that class
// from any other program, or from a copy with other rights, does not count; with no such copy
// running there is nothing to wait for.
HWND FindMainWindow() {
  Ours ours{ImageOf(GetCurrentProcess()), StandingOf(GetCurrentProcess())};
  if (ours.image.empty() || !ours.standing.read) return nullptr;
  if (!AnyCopyLikeUs(ours)) return nullptr;
  const DWORD start = GetTickCount();
  while (true) {
    for (HWND window = FindWindowExA(nullptr, nullptr, kMainWindowClass, nullptr);
         window != nullptr; window = FindWindowExA(nullptr, window, kMainWindowClass, nullptr)) {
      DWORD processId = 0;
      GetWindowThreadProcessId(window, &processId);
      if (IsCopyLikeUs(processId, ours)) return window;
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
  // file, run with the same rights, tells that a Plinvo to hand over to runs; without one this
  // start goes on.
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
