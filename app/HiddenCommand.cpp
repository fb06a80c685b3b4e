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

// Starts the command; reads the exit code of a waited process only into a caller's `exitCode`.
bool Run(platform::Platform& platform, const std::string& commandLine, std::uint8_t wait,
         std::uint32_t* exitCode) {
  platform::StartupInfo startup;
  startup.size = 68;       // sizeof(STARTUPINFOA)
  startup.flags = 1;       // STARTF_USESHOWWINDOW
  startup.showWindow = 0;  // SW_HIDE
  platform::ProcessInformation info;

  const std::optional<std::string> applicationName = SystemToolPath(platform.files, commandLine);
  if (applicationName && applicationName->empty()) return false;
  if (!platform.processes.CreateProcess(applicationName, commandLine, startup, info)) {
    return false;
  }
  if (wait == 1) {
    platform.processes.WaitForSingleObject(info.process, platform::kInfinite);
    if (exitCode != nullptr && !platform.processes.GetExitCodeProcess(info.process, *exitCode)) {
      *exitCode = 0xFFFFFFFFu;
    }
  }
  platform.processes.CloseHandle(info.process);
  platform.processes.CloseHandle(info.thread);
  return true;
}

}  // namespace

void RunHiddenCommand(platform::Platform& platform, const std::string& commandLine,
                      std::uint8_t wait) {
  Run(platform, commandLine, wait, nullptr);
}

std::optional<std::uint32_t> RunHiddenCommandForExitCode(platform::Platform& platform,
                                                         const std::string& commandLine,
                                                         std::uint8_t wait) {
  std::uint32_t exitCode = 0;
  if (!Run(platform, commandLine, wait, &exitCode)) return std::nullopt;
  return exitCode;
}

}  // namespace app
