// In-memory processes: every start is recorded in order; a test scripts which programs exist
// and what they exit with, and sees which handles were left open.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Processes.h"

namespace platform::memory {

struct Launch {
  std::optional<std::string> applicationName;
  std::string commandLine;
  StartupInfo startup;
  bool waited = false;
  Handle process = 0;
  Handle thread = 0;
  std::uint32_t exitCode = 0;  // what the program ended with
};

class MemoryProcesses : public Processes {
 public:
  bool CreateProcess(const std::optional<std::string>& applicationName,
                     const std::string& commandLine, const StartupInfo& startup,
                     ProcessInformation& info) override;
  std::uint32_t WaitForSingleObject(Handle handle, std::uint32_t milliseconds) override;
  bool GetExitCodeProcess(Handle process, std::uint32_t& exitCode) override;
  bool CloseHandle(Handle handle) override;
  void Sleep(std::uint32_t milliseconds) override {
    sleeps.push_back(milliseconds);
    if (whileSleeping) whileSleeping(milliseconds);
  }

  // Whether a program can start; by default every command line but an empty one does.
  std::function<bool(const Launch&)> canStart;
  // Runs the started program (side effects on the world) and gives its exit code; default 0.
  std::function<std::uint32_t(const Launch&)> run;
  // What others do to the world while the program pauses.
  std::function<void(std::uint32_t)> whileSleeping;
  // Programs whose exit code the system will not give (GetExitCodeProcess fails); default none.
  std::function<bool(const Launch&)> exitCodeUnreadable;

  std::vector<Launch> launches;            // successful starts, in order
  std::vector<std::string> refused;        // command lines that could not start
  std::vector<std::string> exitCodesRead;  // command lines whose exit code was asked for
  std::set<Handle> openHandles;
  std::vector<std::uint32_t> sleeps;

  // The command lines of the successful starts, in order.
  std::vector<std::string> CommandLines() const;

 private:
  Launch* FindByProcess(Handle process);
  Handle m_lastHandle = 0x5000;
};

}  // namespace platform::memory
