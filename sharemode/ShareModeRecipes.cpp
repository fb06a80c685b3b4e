#include "sharemode/ShareModeRecipes.h"

namespace sharemode {
namespace {

constexpr ValueWrite Dword(const char* name, std::uint32_t data) {
  return {name, ValueWrite::Type::Dword, data, ""};
}

constexpr ValueWrite Text(const char* name, const char* data) {
  return {name, ValueWrite::Type::String, 0, data};
}

constexpr RecipeStep Write(const char* key, ItemList<ValueWrite> values) {
  return {RecipeStep::Action::Write, key, values, "", "", ""};
}

constexpr RecipeStep RunTool(const char* programFolderTool, const char* arguments,
                             const char* meaning) {
  return {RecipeStep::Action::Launch, "", {}, programFolderTool, arguments, meaning};
}

constexpr RecipeStep RunSystemCommand(const char* commandLine, const char* meaning) {
  return {RecipeStep::Action::Launch, "", {}, "", commandLine, meaning};
}

// The two control sets are spelled "SYSTEM", the firewall keys "System": the registry ignores
// case, and the paths stay as the program has always written them.
constexpr const char* kLsa001 = "\\SYSTEM\\ControlSet001\\Control\\Lsa";
constexpr const char* kLsaCurrent = "\\SYSTEM\\CurrentControlSet\\Control\\Lsa";
constexpr const char* kFirewallProfile =
    "\\System\\CurrentControlSet\\Services\\SharedAccess\\Parameters\\FirewallPolicy\\"
    "StandardProfile";
constexpr const char* kOpenPorts =
    "\\System\\CurrentControlSet\\Services\\SharedAccess\\Parameters\\FirewallPolicy\\"
    "StandardProfile\\GloballyOpenPorts\\List";

// The values the recipes write, one set per opening of a key.
constexpr ValueWrite kAnonymousRefused[] = {Dword("restrictanonymous", 1)};
constexpr ValueWrite kAnonymousAllowed[] = {Dword("restrictanonymous", 0)};
constexpr ValueWrite kBlankPasswordsRefused[] = {Dword("limitblankpassworduse", 1)};
constexpr ValueWrite kBlankPasswordsAllowed[] = {Dword("limitblankpassworduse", 0)};
constexpr ValueWrite kFirewallOn[] = {Dword("EnableFirewall", 1), Dword("DoNotAllowExceptions", 0)};
constexpr ValueWrite kFirewallNotifies[] = {Dword("DisableNotifications", 0)};
constexpr ValueWrite kGuestForced[] = {Dword("forceguest", 1)};
constexpr ValueWrite kGuestNotForced[] = {Dword("forceguest", 0)};
constexpr ValueWrite kSharingPortsClosed[] = {
    Text("139:TCP", "139:TCP:LocalSubNet:Disabled:@xpsp2res.dll,-22004"),
    Text("445:TCP", "445:TCP:LocalSubNet:Disabled:@xpsp2res.dll,-22005"),
    Text("137:UDP", "137:UDP:LocalSubNet:Disabled:@xpsp2res.dll,-22001"),
    Text("138:UDP", "138:UDP:LocalSubNet:Disabled:@xpsp2res.dll,-22002"),
};
constexpr ValueWrite kSharingPortsOpen[] = {
    Text("139:TCP", "139:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22004"),
    Text("445:TCP", "445:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22005"),
    Text("137:UDP", "137:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22001"),
    Text("138:UDP", "138:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22002"),
};

constexpr const char* kGuestMayNotLogOn =
    "The guest account may still lack the right to log on from the network: visitors may not "
    "reach your shared folders.";
constexpr const char* kGuestMayStillBeDenied =
    "The guest account may still be denied logon from the network: visitors may not reach your "
    "shared folders.";
constexpr const char* kGuestMayBeDisabled =
    "The guest account may still be disabled: visitors may not reach your shared folders.";
constexpr const char* kGuestMayStillLogOn =
    "The guest account may keep the right to log on from the network: visitors without an "
    "account of their own may still come in as guest.";
constexpr const char* kGuestMayNotBeDenied =
    "The guest account may not be denied logon from the network: visitors without an account "
    "of their own may still come in as guest.";

// Visitors cannot reach the shares: ports closed, anonymous listing and blank-password network
// logons refused. forceguest and the guest account are left as they are.
// clang-format off
constexpr RecipeStep kStopShareSteps[] = {
    Write(kLsa001, kAnonymousRefused),
    Write(kLsaCurrent, kAnonymousRefused),
    Write(kLsa001, kBlankPasswordsRefused),
    Write(kLsaCurrent, kBlankPasswordsRefused),
    Write(kFirewallProfile, kFirewallOn),
    Write(kOpenPorts, kSharingPortsClosed),
    Write(kFirewallProfile, kFirewallNotifies),
};
// clang-format on
constexpr Recipe kStopShare{kStopShareSteps,
                            "Share mode changed OK! Visitors can't access your shared folder Now!"};

// Visitors come in as the guest account, without a password of their own.
constexpr RecipeStep kZendryShareSteps[] = {
    Write(kLsa001, kAnonymousAllowed),
    Write(kLsaCurrent, kAnonymousAllowed),
    Write(kLsa001, kBlankPasswordsAllowed),
    Write(kLsaCurrent, kBlankPasswordsAllowed),
    Write(kFirewallProfile, kFirewallOn),
    Write(kOpenPorts, kSharingPortsOpen),
    Write(kFirewallProfile, kFirewallNotifies),
    Write(kLsaCurrent, kGuestForced),
    RunTool("myright.exe", "-u Guest +r SeNetworkLogonRight", kGuestMayNotLogOn),
    RunTool("myright.exe", "-u Guest -r SeDenyNetworkLogonRight", kGuestMayStillBeDenied),
    RunSystemCommand("net user Guest /active:yes ", kGuestMayBeDisabled),
};
constexpr Recipe kZendryShare{
    kZendryShareSteps,
    "Share mode changed OK! Now visitors can access your shared folder very easy!\n\n\nYou "
    "need to RESTART this computer to take effect!"};

// Visitors log on with their own accounts; the guest account is denied network logon.
constexpr RecipeStep kNormalShareSteps[] = {
    Write(kLsa001, kAnonymousAllowed),
    Write(kLsaCurrent, kAnonymousAllowed),
    Write(kLsa001, kBlankPasswordsRefused),
    Write(kLsaCurrent, kBlankPasswordsRefused),
    Write(kFirewallProfile, kFirewallOn),
    Write(kOpenPorts, kSharingPortsOpen),
    Write(kFirewallProfile, kFirewallNotifies),
    RunTool("myright.exe", "-u Guest -r SeNetworkLogonRight", kGuestMayStillLogOn),
    RunTool("myright.exe", "-u Guest +r SeDenyNetworkLogonRight", kGuestMayNotBeDenied),
    Write(kLsaCurrent, kGuestNotForced),
};
constexpr Recipe kNormalShare{
    kNormalShareSteps,
    "Share mode changed OK! Now visitors can access your shared folder in normal way!\n\n\nYou "
    "need to RESTART this computer to take effect!"};

}  // namespace

const Recipe& RecipeFor(int mode) {
  if (mode == 0) return kStopShare;
  if (mode == 1) return kZendryShare;
  return kNormalShare;
}

}  // namespace sharemode
