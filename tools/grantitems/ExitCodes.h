// The exit codes of grantitems.exe. XCACLS.vbs passes them on to Plinvo, which tells the user
// what was left out, so both read them from here.
#pragma once

#include <cstdint>

namespace grantitems {

enum ExitCode : std::uint32_t {
  kExitDone = 0,
  kExitFolderNotFound = 3,    // the folder does not exist or is not a folder
  kExitFolderIsLink = 4,      // it is, or lies inside, a link, or was replaced while opened
  kExitFolderNotGranted = 5,  // the folder's own access list could not be changed
  kExitAccountNotFound = 6,
  kExitNoAccessLists = 50,  // the drive's file system keeps none (ERROR_NOT_SUPPORTED)
  kExitUsage = 87,
};

// What was left out below the folder, one bit per reason. The folder itself was granted; the
// exit code is kLeftOutBase plus the bits of every reason met.
enum LeftOut : std::uint32_t {
  kLeftOutLinks = 1,         // junctions, symbolic links, mounted drives
  kLeftOutSeveralNames = 2,  // files with more than one name (hard links)
  kLeftOutReplaced = 4,      // items that were not the listed ones when opened
  kLeftOutUnchangeable = 8,  // items that could not be opened, read or changed
};
constexpr std::uint32_t kLeftOutBase = 64;
constexpr std::uint32_t kLeftOutAll = 15;

constexpr std::uint32_t ExitCodeForLeftOut(std::uint32_t leftOut) {
  return leftOut == 0 ? kExitDone : kLeftOutBase + (leftOut & kLeftOutAll);
}

// The reasons an exit code reports; 0 for any code that does not report left-out items.
constexpr std::uint32_t LeftOutOfExitCode(std::uint32_t exitCode) {
  return exitCode > kLeftOutBase && exitCode <= kLeftOutBase + kLeftOutAll ? exitCode - kLeftOutBase
                                                                           : 0;
}

}  // namespace grantitems
