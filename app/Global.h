// Application-wide values: set at start-up, read by every window afterwards.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace app {

// The maker's site and support address. Everything the program opens is composed from these.
inline constexpr const char* kMakerWebSite = "http://www.trelbane.example";
inline constexpr const char* kSupportAddress = "support@trelbane.example";
// The site as the link labels show it: the bare host, short enough for the main window's corner.
inline constexpr const char* kWebSiteText = "www.trelbane.example";

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

// The same, for a caller that needs the outcome: nullopt when the process could not be started;
// the exit code when it was waited for; 0 when it was started without waiting.
std::optional<std::uint32_t> RunHiddenCommandForExitCode(platform::Platform& platform,
                                                         const std::string& commandLine,
                                                         std::uint8_t wait);

}  // namespace app
