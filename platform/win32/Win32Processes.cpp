#include "platform/win32/Win32Processes.h"

#include <vector>

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

namespace {
HANDLE AsHandle(Handle handle) { return reinterpret_cast<HANDLE>(handle); }
}  // namespace

bool Win32Processes::CreateProcess(const std::optional<std::string>& applicationName,
                                   const std::string& commandLine, const StartupInfo& startup,
                                   ProcessInformation& info) {
  // CreateProcessA may write into the command line, so it gets a private zero-terminated copy;
  // an empty text stays an empty string rather than a missing one.
  std::vector<char> command(commandLine.begin(), commandLine.end());
  command.push_back('\0');

  STARTUPINFOA startupInfo;
  ZeroMemory(&startupInfo, sizeof(startupInfo));
  startupInfo.cb = startup.size;
  startupInfo.dwFlags = startup.flags;
  startupInfo.wShowWindow = startup.showWindow;

  PROCESS_INFORMATION processInfo;
  ZeroMemory(&processInfo, sizeof(processInfo));
  const BOOL started =
      CreateProcessA(applicationName ? applicationName->c_str() : nullptr, command.data(), nullptr,
                     nullptr, FALSE, 0, nullptr, nullptr, &startupInfo, &processInfo);
  if (!started) return false;
  info.process = reinterpret_cast<Handle>(processInfo.hProcess);
  info.thread = reinterpret_cast<Handle>(processInfo.hThread);
  info.processId = processInfo.dwProcessId;
  info.threadId = processInfo.dwThreadId;
  return true;
}

std::uint32_t Win32Processes::WaitForSingleObject(Handle handle, std::uint32_t milliseconds) {
  // The program's windows keep repainting and answering other programs' questions while a
  // tool runs; input and posted messages stay queued, so nothing the user does acts meanwhile.
  HANDLE waited = AsHandle(handle);
  const DWORD start = GetTickCount();
  while (true) {
    DWORD left = INFINITE;
    if (milliseconds != INFINITE) {
      const DWORD spent = GetTickCount() - start;
      left = spent >= milliseconds ? 0 : milliseconds - spent;
    }
    const DWORD result = MsgWaitForMultipleObjectsEx(1, &waited, left, QS_PAINT | QS_SENDMESSAGE,
                                                     MWMO_INPUTAVAILABLE);
    if (result != WAIT_OBJECT_0 + 1) return result;
    MSG message;
    // Peeking answers the sent messages; only paint requests are taken from the queue.
    while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
      DispatchMessageA(&message);
    }
  }
}

bool Win32Processes::GetExitCodeProcess(Handle process, std::uint32_t& exitCode) {
  DWORD code = 0;
  if (!::GetExitCodeProcess(AsHandle(process), &code)) return false;
  exitCode = code;
  return true;
}

bool Win32Processes::CloseHandle(Handle handle) { return ::CloseHandle(AsHandle(handle)) != FALSE; }

void Win32Processes::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace platform::win32
