// The guest account that "Zendry Share" relies on, and the Windows edition.
#include "check/AccessRules.h"
#include "check/Rows.h"

namespace check {
namespace {

constexpr std::string_view kNetworkLogon = "SeNetworkLogonRight";
constexpr std::string_view kDenyNetworkLogon = "SeDenyNetworkLogonRight";

}  // namespace

void CheckGuestAccount(const CheckInput& input, std::vector<Finding>& rows) {
  RowsAbout guestAccount(rows, "Guest account",
                         input.mode == 1         ? "on, may log on over the network"
                         : input.mode == 2       ? "denied network logon"
                         : input.mode == kNoMode ? "no share mode applied by Plinvo"
                                                 : "not needed");
  platform::Accounts& accounts = input.platform.accounts;
  std::string guest;
  bool enabled = false;
  std::uint32_t result = accounts.GuestAccount(guest, enabled);
  if (result != 0) {
    guestAccount.Unreadable("Plinvo could not find the guest account: %s", {ErrorText(result)});
    return;
  }
  std::vector<std::string> guestRights;
  std::vector<std::string> everyoneRights;
  std::vector<std::string> guestsRights;
  result = accounts.AccountRights(guest, guestRights);
  if (result == 0) result = accounts.AccountRights(sids::kEveryone, everyoneRights);
  if (result == 0) result = accounts.AccountRights(sids::kGuests, guestsRights);
  if (result != 0) {
    guestAccount.Unreadable("Plinvo could not read the user rights: %s", {ErrorText(result)});
    return;
  }
  const bool mayLogOn = Contains(guestRights, kNetworkLogon) ||
                        Contains(everyoneRights, kNetworkLogon) ||
                        Contains(guestsRights, kNetworkLogon);
  const bool denied =
      Contains(guestRights, kDenyNetworkLogon) || Contains(guestsRights, kDenyNetworkLogon);
  const std::string found = FormatMessageText(
      "%s%s%s", {enabled ? "on" : "off", mayLogOn ? ", has network logon" : ", no network logon",
                 denied ? ", denied network logon" : ""});
  if (input.mode == kNoMode) {
    guestAccount.Add(Status::WorthKnowing, found,
                     "No share mode has been applied by Plinvo, so nothing of Plinvo's decides how "
                     "visitors log on: Zendry Share lets them in as the guest account, Normal "
                     "Share with their own accounts. Choose a mode and press \"Apply\".");
    return;
  }
  if (input.mode == 1) {
    if (enabled && mayLogOn && !denied) {
      guestAccount.Add(Status::Holds, found,
                       "Visitors come in as the guest account, without a password, and the "
                       "guest account is switched on and may log on over the network.");
      return;
    }
    std::string missing;
    if (!enabled) AppendItem(missing, "it is switched off", " and ");
    if (!mayLogOn) AppendItem(missing, "it lacks the right to log on over the network", " and ");
    if (denied) AppendItem(missing, "it is on the list of accounts denied network logon", " and ");
    Finding& row = guestAccount.Add(
        Status::Blocks, found,
        "In Zendry Share visitors come in as the guest account, but %s, so Windows turns them "
        "away. Press Fix to apply Zendry Share again, which switches the guest account on and "
        "gives it the right.",
        {missing});
    row.fix = FixKind::ApplyMode;
    return;
  }
  if (input.mode == 2) {
    if (!enabled || denied) {
      guestAccount.Add(Status::Holds, found,
                       "In Normal Share visitors use their own accounts; the guest account "
                       "cannot log on over the network.");
      return;
    }
    Finding& row = guestAccount.Add(
        Status::WorthKnowing, found,
        "In Normal Share visitors should use their own accounts, but the guest account is "
        "switched on and not denied network logon, so a visitor without an account here may "
        "still come in as the guest. Press Fix to apply Normal Share again, which denies it.");
    row.fix = FixKind::ApplyMode;
    return;
  }
  guestAccount.Add(enabled ? Status::WorthKnowing : Status::Holds, found,
                   enabled ? "The guest account stays switched on after Zendry Share; Stop Share "
                             "does not switch it off. The firewall and the settings of Stop "
                             "Share keep visitors out. To switch it off, use User Accounts in "
                             "the Control Panel."
                           : "The guest account is switched off.");
}

void CheckEdition(const CheckInput& input, std::vector<Finding>& rows) {
  RowsAbout edition(
      rows, "Windows edition",
      input.mode == 2 ? "an edition where visitors may use their own accounts" : "any");
  platform::VersionRecord version;
  version.size = platform::kVersionRecordSize;
  std::uint32_t suite = 0;
  if (!input.platform.identity.GetVersionEx(version) ||
      !input.platform.identity.GetSuiteMask(suite)) {
    edition.Unreadable("Windows did not tell its version.");
    return;
  }
  const bool home = (suite & platform::kSuitePersonal) != 0;
  const bool xp = version.majorVersion == 5 && version.minorVersion == 1;
  const bool vista = version.majorVersion == 6 && version.minorVersion == 0;
  const std::string name =
      xp      ? (home ? "Windows XP Home Edition" : "Windows XP Professional")
      : vista ? (home ? "Windows Vista Home" : "Windows Vista")
              : FormatMessageText("Windows %s.%s", {std::to_string(version.majorVersion),
                                                    std::to_string(version.minorVersion)});
  if (xp && home && input.mode == 2) {
    edition.Add(Status::Blocks, name,
                "On Windows XP Home Edition every visitor comes in as the guest account, "
                "whatever the settings say, so Normal Share cannot work here. Use Zendry Share "
                "instead.");
    return;
  }
  edition.Add(Status::Holds, name,
              home && version.majorVersion == 5
                  ? "On Windows XP Home Edition every visitor comes in as the guest account; "
                    "that is what Zendry Share expects."
                  : "This edition lets visitors in the way the mode sets up.");
}

}  // namespace check
