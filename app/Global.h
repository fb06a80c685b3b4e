// Application-wide values: set at start-up, read by every window afterwards.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace app {

// The maker's site and support address. Everything the program opens is composed from these.
inline constexpr char kMakerWebSite[] = "http://www.trelbane.example";
inline constexpr char kSupportAddress[] = "support@trelbane.example";
// The site as the link labels show it: the bare host, short enough for the main window's corner.
inline constexpr char kWebSiteText[] = "www.trelbane.example";

struct Global {
  // Fixed when the program loads.
  std::string makerWebSite = kMakerWebSite;
  std::string supportAddress = kSupportAddress;
  std::string programFolder;  // with its trailing separator
  std::string helpFile;       // programFolder + "help.chm"

  // Set by InitApplicationValues.
  std::string productTag;
  std::string applicationTitle;
  std::string homePageAddress;
  std::string productPageAddress;
  platform::VersionRecord versionRecord;

  // The FAQ address is composed afresh at each use.
  std::string FaqAddress() const { return makerWebSite + "/en/faq_plinvo.aspx"; }
};

// The program folder of a program file path: everything up to and including the last separator.
std::string ProgramFolderOf(const std::string& programFile);

// The values fixed at load.
Global LoadGlobal(platform::FileSystem& files);

// Product tag, title, link addresses, version record. Returns true; nobody reads the result.
bool InitApplicationValues(Global& global, platform::SystemIdentity& identity);

// Starts `commandLine` hidden and waits for it only when `wait` is exactly 1. Reports nothing.
void RunHiddenCommand(platform::Platform& platform, const std::string& commandLine,
                      std::uint8_t wait);

// What became of a command started and waited for. A tool whose end or exit code cannot be read
// is not known to have done its work, so only a read exit code of 0 counts as success.
struct CommandOutcome {
  enum class State { NotStarted, ExitCodeUnread, Exited };
  State state = State::NotStarted;
  std::uint32_t exitCode = 0;  // meaningful only when Exited
  bool Succeeded() const { return state == State::Exited && exitCode == 0; }
};

// The code a caller of RunHiddenCommandForExitCode receives when the exit code could not be
// read: never 0, so that it never passes for success.
inline constexpr std::uint32_t kExitCodeUnread = 0xFFFFFFFFu;

// Starts `commandLine` hidden, waits until it ends and reads its exit code.
CommandOutcome RunHiddenCommandAndWait(platform::Platform& platform,
                                       const std::string& commandLine);

// The same, for a caller that needs the outcome: nullopt when the process could not be started;
// the exit code when it was waited for (kExitCodeUnread when it could not be read); 0 when it
// was started without waiting.
std::optional<std::uint32_t> RunHiddenCommandForExitCode(platform::Platform& platform,
                                                         const std::string& commandLine,
                                                         std::uint8_t wait);

}  // namespace app
