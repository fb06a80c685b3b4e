// The preparation that runs at every start: the computer-browser service is set to start
// automatically and started, and a script switches NetBIOS over TCP/IP on for every adapter.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Failure.h"
#include "platform/Platform.h"

namespace sharemode {

// Numbers for the name of the script's private folder, a fresh one per attempt.
using FolderNumbers = std::function<std::uint32_t()>;

// Numbers that differ from one start to the next.
FolderNumbers ClockSeededFolderNumbers();

// Runs the two service commands, writes `script` as "netbios.vbs", pauses a second and runs it
// with the console script host. An administrator's script goes into a private folder of its own
// under a parent only administrators can change; anybody else's into the temporary folder.
// Gives false when the script file had gone or changed after the pause (the caller tells the
// user). Fails with "Cannot create file ..." when the script cannot be written. Nothing made for
// it outlives the call.
platform::Result<bool> PrepareNetworkSharing(platform::Platform& platform,
                                             const std::string& script,
                                             const FolderNumbers& numbers);

}  // namespace sharemode
