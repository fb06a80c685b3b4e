// Starting processes and waiting for them.
#pragma once

#include "platform/Processes.h"

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
