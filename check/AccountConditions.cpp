// The guest account that "Zendry Share" relies on, and the Windows edition.
#include <algorithm>

#include "check/AccessRules.h"
#include "check/Rows.h"

namespace check {
namespace {

constexpr const char* kNetworkLogon = "SeNetworkLogonRight";
constexpr const char* kDenyNetworkLogon = "SeDenyNetworkLogonRight";

bool Holds(const std::vector<std::string>& rights, const char* right) {
  return std::find(rights.begin(), rights.end(), right) != rights.end();
}

}  // namespace

void CheckGuestAccount(const CheckInput& input, std::vector<Finding>& rows) {
  const std::string what = "Guest account";
  const std::string needed = input.mode == 1   ? "on, may log on over the network"
                             : input.mode == 2 ? "denied network logon"
                                               : "not needed";
  platform::Accounts& accounts = input.platform.accounts;
  std::string guest;
  bool enabled = false;
  std::uint32_t result = accounts.GuestAccount(guest, enabled);
  if (result != 0) {
    rows.push_back(
        Unreadable(what, needed, "Plinvo could not find the guest account: " + ErrorText(result)));
    return;
  }
  std::vector<std::string> guestRights;
  std::vector<std::string> everyoneRights;
  std::vector<std::string> guestsRights;
  result = accounts.AccountRights(guest, guestRights);
  if (result == 0) result = accounts.AccountRights(sids::kEveryone, everyoneRights);
  if (result == 0) result = accounts.AccountRights(sids::kGuests, guestsRights);
  if (result != 0) {
    rows.push_back(
        Unreadable(what, needed, "Plinvo could not read the user rights: " + ErrorText(result)));
    return;
  }
  const bool mayLogOn = Holds(guestRights, kNetworkLogon) || Holds(everyoneRights, kNetworkLogon) ||
                        Holds(guestsRights, kNetworkLogon);
  const bool denied =
      Holds(guestRights, kDenyNetworkLogon) || Holds(guestsRights, kDenyNetworkLogon);
  const std::string found = std::string(enabled ? "on" : "off") +
                            (mayLogOn ? ", has network logon" : ", no network logon") +
                            (denied ? ", denied network logon" : "");
  if (input.mode == 1) {
    if (enabled && mayLogOn && !denied) {
      rows.push_back(Row(Status::Holds, what, found, needed,
                         "Visitors come in as the guest account, without a password, and the "
                         "guest account is switched on and may log on over the network."));
      return;
    }
    std::vector<std::string> missing;
    if (!enabled) missing.push_back("it is switched off");
    if (!mayLogOn) missing.push_back("it lacks the right to log on over the network");
    if (denied) missing.push_back("it is on the list of accounts denied network logon");
    Finding row = Row(Status::Blocks, what, found, needed,
                      "In Zendry Share visitors come in as the guest account, but " +
                          Joined(missing, " and ") +
                          ", so Windows turns them away. Press Fix to apply Zendry Share again, "
                          "which switches the guest account on and gives it the right.");
    row.fix = FixKind::ApplyMode;
    rows.push_back(row);
    return;
  }
  if (input.mode == 2) {
    if (!enabled || denied) {
      rows.push_back(Row(Status::Holds, what, found, needed,
                         "In Normal Share visitors use their own accounts; the guest account "
                         "cannot log on over the network."));
      return;
    }
    Finding row = Row(Status::WorthKnowing, what, found, needed,
                      "In Normal Share visitors should use their own accounts, but the guest "
                      "account is switched on and not denied network logon, so a visitor "
                      "without an account here may still come in as the guest. Press Fix to "
                      "apply Normal Share again, which denies it.");
    row.fix = FixKind::ApplyMode;
    rows.push_back(row);
    return;
  }
  rows.push_back(Row(enabled ? Status::WorthKnowing : Status::Holds, what, found, needed,
                     enabled ? "The guest account stays switched on after Zendry Share; Stop "
                               "Share does not switch it off. The firewall and the settings "
                               "of Stop Share keep visitors out. To switch it off, use User "
                               "Accounts in the Control Panel."
                             : "The guest account is switched off."));
}

void CheckEdition(const CheckInput& input, std::vector<Finding>& rows) {
  const std::string what = "Windows edition";
  const std::string needed =
      input.mode == 2 ? "an edition where visitors may use their own accounts" : "any";
  platform::VersionRecord version;
  version.size = platform::kVersionRecordSize;
  std::uint32_t suite = 0;
  if (!input.platform.identity.GetVersionEx(version) ||
      !input.platform.identity.GetSuiteMask(suite)) {
    rows.push_back(Unreadable(what, needed, "Windows did not tell its version."));
    return;
  }
  const bool home = (suite & platform::kSuitePersonal) != 0;
  std::string name;
  if (version.majorVersion == 5 && version.minorVersion == 1) {
    name = home ? "Windows XP Home Edition" : "Windows XP Professional";
  } else if (version.majorVersion == 6 && version.minorVersion == 0) {
    name = home ? "Windows Vista Home" : "Windows Vista";
  } else {
    name = "Windows " + std::to_string(version.majorVersion) + "." +
           std::to_string(version.minorVersion);
  }
  if (version.majorVersion == 5 && version.minorVersion == 1 && home && input.mode == 2) {
    rows.push_back(Row(Status::Blocks, what, name, needed,
                       "On Windows XP Home Edition every visitor comes in as the guest "
                       "account, whatever the settings say, so Normal Share cannot work here. "
                       "Use Zendry Share instead."));
    return;
  }
  rows.push_back(Row(Status::Holds, what, name, needed,
                     home && version.majorVersion == 5
                         ? "On Windows XP Home Edition every visitor comes in as the guest "
                           "account; that is what Zendry Share expects."
                         : "This edition lets visitors in the way the mode sets up."));
}

}  // namespace check
