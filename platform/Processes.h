// Starting and waiting for processes, and pausing the calling thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Types.h"

namespace platform {

// The fields of STARTUPINFOA that the program sets; every other field is zero.
struct StartupInfo {
  std::uint32_t size = 0;        // cb
  std::uint32_t flags = 0;       // dwFlags
  std::uint16_t showWindow = 0;  // wShowWindow
};

struct ProcessInformation {
  Handle process = 0;
  Handle thread = 0;
  std::uint32_t processId = 0;
  std::uint32_t threadId = 0;
};

class Processes {
 public:
  virtual ~Processes() = default;
  // CreateProcessA with no security attributes, handles not inherited, creation flags 0, the
  // program's own environment and current folder. No application name when `applicationName`
  // is empty. Returns false when the process could not be started.
  virtual bool CreateProcess(const std::optional<std::string>& applicationName,
                             const std::string& commandLine, const StartupInfo& startup,
                             ProcessInformation& info) = 0;
  // Waits; the program's windows keep repainting meanwhile, and no input is handled.
  virtual std::uint32_t WaitForSingleObject(Handle handle, std::uint32_t milliseconds) = 0;
  virtual bool GetExitCodeProcess(Handle process, std::uint32_t& exitCode) = 0;
  virtual bool CloseHandle(Handle handle) = 0;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace platform
