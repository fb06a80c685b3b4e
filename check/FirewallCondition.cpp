// The firewall as it is in force, read through its own interface.
#include "check/Rows.h"

namespace check {
namespace {

std::string LocationText(std::uint32_t profiles) {
  std::vector<std::string> names;
  if (profiles & platform::kProfileDomain) names.push_back("Domain");
  if (profiles & platform::kProfilePrivate) names.push_back("Private");
  if (profiles & platform::kProfilePublic) names.push_back("Public");
  return names.empty() ? "unknown" : Joined(names, ", ");
}

constexpr const char* kVistaNote =
    " Vista's firewall does not use the Windows XP firewall settings that the share modes write: "
    "on Vista, file sharing is switched on in the Network and Sharing Center.";

}  // namespace

void CheckFirewall(const CheckInput& input, std::vector<Finding>& rows) {
  const std::string what = "Firewall";
  const bool sharing = SharesFolders(input.mode);
  const std::string needed = sharing ? "off, or file and printer sharing let through"
                                     : "on, file and printer sharing closed";
  platform::FirewallState state;
  std::string reason;
  if (!input.platform.firewall.Read(state, reason)) {
    rows.push_back(Unreadable(what, needed, "Plinvo could not ask the firewall: " + reason));
    return;
  }
  std::string found = !state.enabled             ? "off"
                      : !state.exceptionsAllowed ? "on, no exceptions allowed"
                      : state.fileSharingOpen    ? "on, file and printer sharing let through"
                                                 : "on, file and printer sharing blocked";
  if (state.vistaPolicy) found += "; network location " + LocationText(state.currentProfiles);
  const std::string note = state.vistaPolicy ? kVistaNote : "";
  const bool open = !state.enabled || (state.exceptionsAllowed && state.fileSharingOpen);
  const bool publicNetwork =
      state.vistaPolicy && (state.currentProfiles & platform::kProfilePublic);

  if (!sharing) {
    rows.push_back(Row(open ? Status::WorthKnowing : Status::Holds, what, found, needed,
                       open ? "The firewall lets file and printer sharing through, so visitors "
                              "on the network can still reach this computer's shares." +
                                  note
                            : "The firewall keeps visitors away from the shares." + note));
    return;
  }
  if (publicNetwork) {
    rows.push_back(Row(Status::Blocks, what, found, needed,
                       "Windows treats the network as \"Public\" and keeps file sharing shut "
                       "on it. If this is your home or office network, open the Network and "
                       "Sharing Center, choose \"Customize\" and make the location Private, "
                       "then switch on file sharing there." +
                           std::string(kVistaNote)));
    return;
  }
  if (open) {
    rows.push_back(Row(Status::Holds, what, found, needed,
                       "The firewall lets visitors reach the shares." + note));
    return;
  }
  std::string advice =
      !state.exceptionsAllowed
          ? "The firewall is set to allow no exceptions, so no visitor gets through."
          : "The firewall blocks file and printer sharing, so no visitor gets through.";
  if (state.vistaPolicy) {
    advice += " Switch on file sharing in the Network and Sharing Center." + note;
  } else {
    advice +=
        " Press Fix to apply the mode again, which opens the ports; or in the Windows Firewall "
        "settings allow exceptions and tick \"File and Printer Sharing\".";
  }
  Finding row = Row(Status::Blocks, what, found, needed, advice);
  if (!state.vistaPolicy) row.fix = FixKind::ApplyMode;
  rows.push_back(row);
}

}  // namespace check
