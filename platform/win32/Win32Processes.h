// Starting processes and waiting for them.
#pragma once

// clang-format off
// First, so that a <windows.h> included earlier cannot rename the methods below (A/W macros).
#include "platform/win32/WindowsApi.h"
#include "platform/Processes.h"
// clang-format on

namespace platform::win32 {

class Win32Processes : public Processes {
 public:
  bool CreateProcess(const std::optional<std::string>& applicationName,
                     const std::string& commandLine, const StartupInfo& startup,
                     ProcessInformation& info) override;
  std::uint32_t WaitForSingleObject(Handle handle, std::uint32_t milliseconds) override;
  bool GetExitCodeProcess(Handle process, std::uint32_t& exitCode) override;
  bool CloseHandle(Handle handle) override;
  void Sleep(std::uint32_t milliseconds) override;
};

}  // namespace platform::win32
