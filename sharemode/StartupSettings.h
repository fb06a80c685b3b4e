// What the start-up changes besides the share modes: the Computer Browser service is set to
// start automatically, and NetBIOS over TCP/IP is switched on for every adapter. Their state is
// saved before Plinvo first changes it, into the record of before the first change, so that
// "Restore Windows Settings..." and the uninstaller put it back.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Platform.h"
#include "sharemode/SavedSettings.h"

namespace sharemode {

// The service the start-up sets to start automatically, by its key name.
inline constexpr char kBrowserService[] = "Browser";
inline constexpr std::uint32_t kStartAutomatically = 2;

// The value the NetBIOS script changes, under each adapter's key (0: as DHCP says, 1: on,
// 2: off).
inline constexpr char kNetBiosValue[] = "NetbiosOptions";
std::string NetBiosKeyPath(const std::string& adapterName);

// Whether the saved value is an adapter's NetBIOS setting with a state Windows knows: the key
// of one adapter, the value's own name, absent or one of the three numbers.
bool IsNetBiosSetting(const SavedValue& value);

// What "sc config <service> start= " takes for a start type a service of ours may have
// (automatic, on demand, disabled); nullptr for any other.
const char* StartTypeWord(std::uint32_t startType);

// Adds to the record of before the first change what the start-up is about to change and the
// record lacks. Nothing is saved, and nothing said, when the records' folder is held by someone
// else or the record cannot be read.
void SaveStartupSettingsOnce(platform::Platform& platform);

}  // namespace sharemode
