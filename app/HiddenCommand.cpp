// The hidden command runner. Every system tool the program starts goes through here.
#include <algorithm>
#include <array>
#include <cctype>

#include "app/Global.h"

namespace app {
namespace {

// System tools the program names without a folder. They are started from the system folder:
// left to the system's search, an elevated program would first run a planted copy from the
// program folder or the current folder. Lower case, without ".exe".
constexpr std::array<const char*, 3> kSystemTools = {"sc", "net", "cscript"};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The full path of the system tool the command line starts with, nullopt when it starts with
// anything else (a quoted or full path, an unknown program).
std::optional<std::string> SystemToolPath(platform::FileSystem& files,
                                          const std::string& commandLine) {
  const std::string firstWord = commandLine.substr(0, commandLine.find_first_of(" \t"));
  std::string name = Lower(firstWord);
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".exe") == 0) {
    name.resize(name.size() - 4);
  }
  const bool known = std::any_of(kSystemTools.begin(), kSystemTools.end(),
                                 [&](const char* tool) { return name == tool; });
  if (!known) return std::nullopt;
  const std::string systemFolder = files.GetSystemDirectory();
  if (systemFolder.empty()) return std::string();  // nowhere safe to start it from
  return systemFolder + "\\" + name + ".exe";
}

// Starts the command hidden; false when it could not be started.
bool Start(platform::Platform& platform, const std::string& commandLine,
           platform::ProcessInformation& info) {
  platform::StartupInfo startup;
  startup.size = 68;       // sizeof(STARTUPINFOA)
  startup.flags = 1;       // STARTF_USESHOWWINDOW
  startup.showWindow = 0;  // SW_HIDE
  const std::optional<std::string> applicationName = SystemToolPath(platform.files, commandLine);
  if (applicationName && applicationName->empty()) return false;
  return platform.processes.CreateProcess(applicationName, commandLine, startup, info);
}

// Starts the command; when asked to wait, reads its exit code into the outcome.
CommandOutcome Run(platform::Platform& platform, const std::string& commandLine,
                   std::uint8_t wait) {
  CommandOutcome outcome;
  platform::ProcessInformation info;
  if (!Start(platform, commandLine, info)) return outcome;
  outcome.state = CommandOutcome::State::ExitCodeUnread;
  if (wait == 1) {
    constexpr std::uint32_t kWaitObject0 = 0;
    // After a failed wait the process may still run: whatever code it shows is not its own.
    if (platform.processes.WaitForSingleObject(info.process, platform::kInfinite) == kWaitObject0 &&
        platform.processes.GetExitCodeProcess(info.process, outcome.exitCode)) {
      outcome.state = CommandOutcome::State::Exited;
    }
  }
  platform.processes.CloseHandle(info.process);
  platform.processes.CloseHandle(info.thread);
  return outcome;
}

}  // namespace

void RunHiddenCommand(platform::Platform& platform, const std::string& commandLine,
                      std::uint8_t wait) {
  platform::ProcessInformation info;
  if (!Start(platform, commandLine, info)) return;
  if (wait == 1) platform.processes.WaitForSingleObject(info.process, platform::kInfinite);
  platform.processes.CloseHandle(info.process);
  platform.processes.CloseHandle(info.thread);
}

CommandOutcome RunHiddenCommandAndWait(platform::Platform& platform,
                                       const std::string& commandLine) {
  return Run(platform, commandLine, 1);
}

std::optional<std::uint32_t> RunHiddenCommandForExitCode(platform::Platform& platform,
                                                         const std::string& commandLine,
                                                         std::uint8_t wait) {
  const CommandOutcome outcome = Run(platform, commandLine, wait);
  switch (outcome.state) {
    case CommandOutcome::State::NotStarted:
      return std::nullopt;
    case CommandOutcome::State::Exited:
      return outcome.exitCode;
    case CommandOutcome::State::ExitCodeUnread:
      break;
  }
  return wait == 1 ? kExitCodeUnread : 0;
}

}  // namespace app
