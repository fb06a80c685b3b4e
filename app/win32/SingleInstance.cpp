#include "app/win32/SingleInstance.h"

namespace app::win32 {

namespace {

// Per logon session: another user's Plinvo is no reason to refuse this one.
constexpr const char* kMutexName = "Local\\Plinvo.SingleInstance";
// The main window's class, made by the first one right after it took the mutex.
constexpr const char* kMainWindowClass = "TfrmMain";
constexpr DWORD kWaitForWindow = 10000;

HWND FindMainWindow() {
  const DWORD start = GetTickCount();
  while (true) {
    HWND window = FindWindowA(kMainWindowClass, nullptr);
    if (window != nullptr) return window;
    if (GetTickCount() - start >= kWaitForWindow) return nullptr;
    Sleep(100);
  }
}

}  // namespace

SingleInstance::SingleInstance() {
  m_mutex = CreateMutexA(nullptr, FALSE, kMutexName);
  const DWORD error = GetLastError();
  // The mutex only tells that a first one may run; it is never waited on, so whoever else
  // holds that name cannot stop or hold up this program. Only a main window found tells that
  // a Plinvo runs; without one this start goes on.
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
