// Whether the Server service offers to sign its connections, and turning that on. Windows XP's
// server signs only when its setting for it is on, which Windows leaves off on workstations;
// Windows 11 from version 24H2 refuses a server that does not sign. Turning it on is a change of
// Plinvo's like a mode's values: its earlier state goes into both saved records first, so that
// "Undo Last Mode Change..." and "Restore Windows Settings..." put it back.
#pragma once

#include <optional>

#include "platform/Platform.h"
#include "sharemode/SavedSettings.h"

namespace sharemode {

inline constexpr char kServerParametersKey[] =
    "\\SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters";
// "Microsoft network server: Digitally sign communications (if client agrees)", and "(always)".
inline constexpr char kOfferSigningValue[] = "enablesecuritysignature";
inline constexpr char kRequireSigningValue[] = "requiresecuritysignature";

// Whether the server offers signing (either value on); nullopt with `error` set when a value
// could not be read. A missing value is off, as on a fresh workstation.
std::optional<bool> ServerOffersSigning(platform::Registry& registry, long& error);

// Whether a saved value is the offer-signing setting in a state Windows knows: absent, 0 or 1.
bool IsServerSigningSetting(const SavedValue& value);

// Adds the setting's present state to the record of before the first change and to the last
// record, where each lacks it. False when it could not be read or saved.
bool SaveBeforeSigning(platform::Platform& platform);

// Sets the offer-signing value to 1 and tells the event log; the registry's answer (0 on
// success).
long TurnOnServerSigning(platform::Platform& platform);

}  // namespace sharemode
