// The firewall as it is in force, read through its own interface.
#include "check/Rows.h"

namespace check {
namespace {

struct Location {
  std::uint32_t profile;
  const char* name;
};

const Location kLocations[] = {
    {platform::kProfileDomain, "Domain"},
    {platform::kProfilePrivate, "Private"},
    {platform::kProfilePublic, "Public"},
};

std::string LocationText(std::uint32_t profiles) {
  std::string text;
  for (const Location& location : kLocations) {
    if (profiles & location.profile) AppendItem(text, location.name, ", ");
  }
  return text.empty() ? "unknown" : text;
}

constexpr std::string_view kVistaNote =
    " Vista's firewall does not use the Windows XP firewall settings that the share modes write: "
    "on Vista, file sharing is switched on in the Network and Sharing Center.";

}  // namespace

void CheckFirewall(const CheckInput& input, std::vector<Finding>& rows) {
  const bool sharing = SharesFolders(input.mode);
  RowsAbout firewall(rows, "Firewall",
                     sharing ? "off, or file and printer sharing let through"
                             : "on, file and printer sharing closed");
  platform::FirewallState state;
  std::string reason;
  if (!input.platform.firewall.Read(state, reason)) {
    firewall.Unreadable("Plinvo could not ask the firewall: %s", {reason});
    return;
  }
  const char* const sharingText = !state.enabled             ? "off"
                                  : !state.exceptionsAllowed ? "on, no exceptions allowed"
                                  : state.fileSharingOpen
                                      ? "on, file and printer sharing let through"
                                      : "on, file and printer sharing blocked";
  const std::string found =
      state.vistaPolicy ? FormatMessageText("%s; network location %s",
                                            {sharingText, LocationText(state.currentProfiles)})
                        : sharingText;
  const std::string_view note = state.vistaPolicy ? kVistaNote : std::string_view();
  const bool open = !state.enabled || (state.exceptionsAllowed && state.fileSharingOpen);
  const bool publicNetwork =
      state.vistaPolicy && (state.currentProfiles & platform::kProfilePublic);

  if (!sharing) {
    firewall.Add(open ? Status::WorthKnowing : Status::Holds, found,
                 open ? "The firewall lets file and printer sharing through, so visitors on the "
                        "network can still reach this computer's shares.%s"
                      : "The firewall keeps visitors away from the shares.%s",
                 {note});
    return;
  }
  if (publicNetwork) {
    firewall.Add(Status::Blocks, found,
                 "Windows treats the network as \"Public\" and keeps file sharing shut on it. If "
                 "this is your home or office network, open the Network and Sharing Center, "
                 "choose \"Customize\" and make the location Private, then switch on file "
                 "sharing there.%s",
                 {kVistaNote});
    return;
  }
  if (open) {
    firewall.Add(Status::Holds, found, "The firewall lets visitors reach the shares.%s", {note});
    return;
  }
  const char* const advice =
      !state.exceptionsAllowed
          ? "The firewall is set to allow no exceptions, so no visitor gets through."
          : "The firewall blocks file and printer sharing, so no visitor gets through.";
  if (state.vistaPolicy) {
    firewall.Add(Status::Blocks, found,
                 "%s Switch on file sharing in the Network and Sharing Center.%s", {advice, note});
    return;
  }
  if (input.mode == kNoMode) {
    firewall.Add(Status::Blocks, found,
                 "%s No share mode has been applied by Plinvo: applying Zendry Share or Normal "
                 "Share opens the ports; or in the Windows Firewall settings allow exceptions "
                 "and tick \"File and Printer Sharing\".",
                 {advice});
    return;
  }
  Finding& row = firewall.Add(Status::Blocks, found,
                              "%s Press Fix to apply the mode again, which opens the ports; or in "
                              "the Windows Firewall settings allow exceptions and tick \"File and "
                              "Printer Sharing\".",
                              {advice});
  row.fix = FixKind::ApplyMode;
}

}  // namespace check
