#include "sharemode/ShareModeRecipes.h"

namespace sharemode {
namespace {

// The two control sets are spelled "SYSTEM", the firewall keys "System": the registry ignores
// case, and the paths stay as the program has always written them.
const char* const kLsa001 = "\\SYSTEM\\ControlSet001\\Control\\Lsa";
const char* const kLsaCurrent = "\\SYSTEM\\CurrentControlSet\\Control\\Lsa";
const char* const kFirewallProfile =
    "\\System\\CurrentControlSet\\Services\\SharedAccess\\Parameters\\FirewallPolicy\\"
    "StandardProfile";
const char* const kOpenPorts =
    "\\System\\CurrentControlSet\\Services\\SharedAccess\\Parameters\\FirewallPolicy\\"
    "StandardProfile\\GloballyOpenPorts\\List";

ValueWrite Dword(const char* name, std::uint32_t data) {
  return ValueWrite{name, ValueWrite::Type::Dword, data, {}};
}

ValueWrite Text(const char* name, const char* data) {
  return ValueWrite{name, ValueWrite::Type::String, 0, data};
}

RecipeStep Write(const char* key, std::vector<ValueWrite> values) {
  return RecipeStep{RecipeStep::Action::Write, key, std::move(values), {}, {}, {}};
}

RecipeStep RunTool(const char* programFolderTool, const char* arguments, const char* meaning) {
  return RecipeStep{RecipeStep::Action::Launch, {}, {}, programFolderTool, arguments, meaning};
}

RecipeStep RunSystemCommand(const char* commandLine, const char* meaning) {
  return RecipeStep{RecipeStep::Action::Launch, {}, {}, {}, commandLine, meaning};
}

const char* const kGuestMayNotLogOn =
    "The guest account may still lack the right to log on from the network: visitors may not "
    "reach your shared folders.";
const char* const kGuestMayStillBeDenied =
    "The guest account may still be denied logon from the network: visitors may not reach your "
    "shared folders.";
const char* const kGuestMayBeDisabled =
    "The guest account may still be disabled: visitors may not reach your shared folders.";
const char* const kGuestMayStillLogOn =
    "The guest account may keep the right to log on from the network: visitors without an "
    "account of their own may still come in as guest.";
const char* const kGuestMayNotBeDenied =
    "The guest account may not be denied logon from the network: visitors without an account "
    "of their own may still come in as guest.";

// Visitors cannot reach the shares: ports closed, anonymous listing and blank-password network
// logons refused. forceguest and the guest account are left as they are.
const Recipe& StopShare() {
  static const Recipe recipe{
      {
          Write(kLsa001, {Dword("restrictanonymous", 1)}),
          Write(kLsaCurrent, {Dword("restrictanonymous", 1)}),
          Write(kLsa001, {Dword("limitblankpassworduse", 1)}),
          Write(kLsaCurrent, {Dword("limitblankpassworduse", 1)}),
          Write(kFirewallProfile, {Dword("EnableFirewall", 1), Dword("DoNotAllowExceptions", 0)}),
          Write(kOpenPorts, {Text("139:TCP", "139:TCP:LocalSubNet:Disabled:@xpsp2res.dll,-22004"),
                             Text("445:TCP", "445:TCP:LocalSubNet:Disabled:@xpsp2res.dll,-22005"),
                             Text("137:UDP", "137:UDP:LocalSubNet:Disabled:@xpsp2res.dll,-22001"),
                             Text("138:UDP", "138:UDP:LocalSubNet:Disabled:@xpsp2res.dll,-22002")}),
          Write(kFirewallProfile, {Dword("DisableNotifications", 0)}),
      },
      "Share mode changed OK! Visitors can't access your shared folder Now!"};
  return recipe;
}

// Visitors come in as the guest account, without a password of their own.
const Recipe& ZendryShare() {
  static const Recipe recipe{
      {
          Write(kLsa001, {Dword("restrictanonymous", 0)}),
          Write(kLsaCurrent, {Dword("restrictanonymous", 0)}),
          Write(kLsa001, {Dword("limitblankpassworduse", 0)}),
          Write(kLsaCurrent, {Dword("limitblankpassworduse", 0)}),
          Write(kFirewallProfile, {Dword("EnableFirewall", 1), Dword("DoNotAllowExceptions", 0)}),
          Write(kOpenPorts, {Text("139:TCP", "139:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22004"),
                             Text("445:TCP", "445:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22005"),
                             Text("137:UDP", "137:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22001"),
                             Text("138:UDP", "138:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22002")}),
          Write(kFirewallProfile, {Dword("DisableNotifications", 0)}),
          Write(kLsaCurrent, {Dword("forceguest", 1)}),
          RunTool("myright.exe", "-u Guest +r SeNetworkLogonRight", kGuestMayNotLogOn),
          RunTool("myright.exe", "-u Guest -r SeDenyNetworkLogonRight", kGuestMayStillBeDenied),
          RunSystemCommand("net user Guest /active:yes ", kGuestMayBeDisabled),
      },
      "Share mode changed OK! Now visitors can access your shared folder very easy!\n\n\nYou "
      "need to RESTART this computer to take effect!"};
  return recipe;
}

// Visitors log on with their own accounts; the guest account is denied network logon.
const Recipe& NormalShare() {
  static const Recipe recipe{
      {
          Write(kLsa001, {Dword("restrictanonymous", 0)}),
          Write(kLsaCurrent, {Dword("restrictanonymous", 0)}),
          Write(kLsa001, {Dword("limitblankpassworduse", 1)}),
          Write(kLsaCurrent, {Dword("limitblankpassworduse", 1)}),
          Write(kFirewallProfile, {Dword("EnableFirewall", 1), Dword("DoNotAllowExceptions", 0)}),
          Write(kOpenPorts, {Text("139:TCP", "139:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22004"),
                             Text("445:TCP", "445:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22005"),
                             Text("137:UDP", "137:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22001"),
                             Text("138:UDP", "138:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22002")}),
          Write(kFirewallProfile, {Dword("DisableNotifications", 0)}),
          RunTool("myright.exe", "-u Guest -r SeNetworkLogonRight", kGuestMayStillLogOn),
          RunTool("myright.exe", "-u Guest +r SeDenyNetworkLogonRight", kGuestMayNotBeDenied),
          Write(kLsaCurrent, {Dword("forceguest", 0)}),
      },
      "Share mode changed OK! Now visitors can access your shared folder in normal way!\n\n\nYou "
      "need to RESTART this computer to take effect!"};
  return recipe;
}

}  // namespace

const Recipe& RecipeFor(int mode) {
  if (mode == 0) return StopShare();
  if (mode == 1) return ZendryShare();
  return NormalShare();
}

}  // namespace sharemode
