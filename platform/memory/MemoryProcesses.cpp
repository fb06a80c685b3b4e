#include "platform/memory/MemoryProcesses.h"

namespace platform::memory {

bool MemoryProcesses::CreateProcess(const std::optional<std::string>& applicationName,
                                    const std::string& commandLine, const StartupInfo& startup,
                                    ProcessInformation& info) {
  Launch launch{applicationName, commandLine, startup, false, 0, 0};
  const bool startable = canStart ? canStart(launch) : !commandLine.empty();
  if (!startable) {
    refused.push_back(commandLine);
    return false;
  }
  launch.process = ++m_lastHandle;
  launch.thread = ++m_lastHandle;
  openHandles.insert(launch.process);
  openHandles.insert(launch.thread);
  info.process = launch.process;
  info.thread = launch.thread;
  info.processId = static_cast<std::uint32_t>(launch.process);
  info.threadId = static_cast<std::uint32_t>(launch.thread);
  launches.push_back(launch);
  // The program runs now, whether or not anyone waits for it.
  launches.back().exitCode = run ? run(launches.back()) : 0;
  return true;
}

Launch* MemoryProcesses::FindByProcess(Handle process) {
  for (Launch& launch : launches) {
    if (launch.process == process) return &launch;
  }
  return nullptr;
}

std::uint32_t MemoryProcesses::WaitForSingleObject(Handle handle, std::uint32_t) {
  Launch* launch = FindByProcess(handle);
  if (launch == nullptr || openHandles.count(handle) == 0) return 0xFFFFFFFFu;  // WAIT_FAILED
  launch->waited = true;
  return 0;  // WAIT_OBJECT_0
}

bool MemoryProcesses::GetExitCodeProcess(Handle process, std::uint32_t& exitCode) {
  for (std::size_t i = 0; i < launches.size(); ++i) {
    if (launches[i].process == process && openHandles.count(process) > 0) {
      if (exitCodeUnreadable && exitCodeUnreadable(launches[i])) return false;
      exitCode = launches[i].exitCode;
      exitCodesRead.push_back(launches[i].commandLine);
      return true;
    }
  }
  return false;
}

bool MemoryProcesses::CloseHandle(Handle handle) { return openHandles.erase(handle) > 0; }

std::vector<std::string> MemoryProcesses::CommandLines() const {
  std::vector<std::string> lines;
  for (const Launch& launch : launches) lines.push_back(launch.commandLine);
  return lines;
}

}  // namespace platform::memory
