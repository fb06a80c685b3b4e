#include <algorithm>

#include "app/MessageText.h"
#include "check/SharingCheckFixture.h"

namespace check_testing {
namespace {

using platform::memory::RegistryValue;

const char* const kLsaCurrent = "SYSTEM\\CurrentControlSet\\Control\\Lsa";
const char* const kServerParameters =
    "SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters";

TEST_P(SharingCheckTest, AComputerAsTheModeLeftItHoldsEveryCondition) {
  // What newer Windows needs of Windows XP is worth knowing even when its server signs.
  world.registry.Put(kServerParameters, "enablesecuritysignature",
                     {RegistryValue::Type::Dword, 1, {}});
  std::vector<std::string> rows;
  for (const check::Finding& row : Run()) {
    rows.push_back(std::string(check::StatusText(row.status)) + " | " + row.what + " | " +
                   row.found);
  }
  const std::string mode = check::ModeName(GetParam());
  const std::string firewall = GetParam() == 0 ? "on, file and printer sharing blocked"
                                               : "on, file and printer sharing let through";
  const std::string guest =
      GetParam() == 1 ? "on, has network logon" : "off, has network logon, denied network logon";
  const int values = GetParam() == 0 ? 11 : 12;
  EXPECT_EQ(rows,
            (std::vector<std::string>{
                "Holds | Settings of " + mode + " | all " + std::to_string(values) + " as applied",
                "Holds | Restart after applying | restarted since",
                "Holds | Server service | running",
                "Holds | Computer Browser service | running",
                "Holds | TCP/IP NetBIOS Helper service | running",
                "Holds | Guest account | " + guest,
                "Holds | Windows edition | Windows XP Professional",
                "Holds | Shared folder \"Photos\" | C:\\Photos" +
                    std::string(GetParam() == 0 ? "" : "; readable"),
                "Holds | Firewall | " + firewall,
                "Holds | Plinvo's own folder | C:\\Program Files\\Plinvo",
                "Holds | Network address | 192.168.1.20",
                "Holds | NetBIOS over TCP/IP | on",
                "Holds | Refused visitors | none",
                "Holds | Failed network logons | none recorded",
                std::string(GetParam() == 0 ? "Holds" : "Worth knowing") +
                    " | Visitors with newer Windows | Windows XP: SMB 1 only, signing offered",
            }));
}

TEST_P(SharingCheckTest, AChangedRecordedValueIsFoundAndFixedByApplyingTheModeAgain) {
  world.registry.Put(kLsaCurrent, "restrictanonymous", {RegistryValue::Type::Dword, 7, {}});
  const check::Finding drift = RowAbout("Settings of " + std::string(check::ModeName(mode())));
  EXPECT_EQ(drift.status, Shortfall());
  EXPECT_EQ(drift.fix, check::FixKind::ApplyMode);
  EXPECT_NE(drift.explanation.find("SYSTEM\\CurrentControlSet\\Control\\Lsa\\restrictanonymous "
                                   "is 7, needs " +
                                   std::string(mode() == 0 ? "1" : "0")),
            std::string::npos)
      << drift.explanation;

  world.registry.unreadableKeys.insert("system\\controlset001\\control\\lsa");
  world.registry.Put(kLsaCurrent, "restrictanonymous",
                     {RegistryValue::Type::Dword, mode() == 0 ? 1u : 0u, {}});
  const check::Finding unreadable = RowAbout(drift.what);
  EXPECT_EQ(unreadable.status, Status::NotChecked);
  EXPECT_NE(
      unreadable.explanation.find("Windows refused access. Plinvo needs administrator rights"),
      std::string::npos);
  EXPECT_NE(unreadable.explanation.find("administrator (error 5)."), std::string::npos);
}

TEST_P(SharingCheckTest, AModeAppliedSinceTheLastStartOwesARestart) {
  sharemode::RecordChangeTime(world.files, world.clock.now - 60);
  EXPECT_EQ(StatusOf("Restart after applying"), Shortfall());
}

TEST_P(SharingCheckTest, ARestartIsNotJudgedFromATimeThatCannotBeTrue) {
  const std::string file =
      "C:\\Documents and Settings\\All Users\\Application Data\\Plinvo\\last-change.txt";
  // An older Plinvo's time in config.ini is not read.
  world.files.DeleteFile(file);
  world.files.PutFile(
      sharemode::SettingsFilePath(kFolder),
      "[ShareMode]\r\nMode=1\r\nApplied=" + std::to_string(world.clock.now - 60) + "\r\n");
  EXPECT_NE(RowAbout("Restart after applying").explanation.find("no record"), std::string::npos);
  const std::pair<const char*, const char*> cases[] = {
      {"1800000001\r\n", "lies after the present time"},
      {"-60\r\n", "lies before 1970"},
      {"17999x\r\n", "cannot be read"}};
  for (const auto& [text, reason] : cases) {
    world.files.PutFile(file, text);
    const check::Finding row = RowAbout("Restart after applying");
    EXPECT_EQ(row.status, Status::NotChecked) << text;
    EXPECT_NE(row.explanation.find(reason), std::string::npos) << row.explanation;
  }
}

TEST_P(SharingCheckTest, AStoppedServerServiceBlocksAndIsStartedByItsFix) {
  world.services.installed["LanmanServer"].currentState = platform::kServiceStopped;
  const check::Finding server = RowAbout("Server service");
  EXPECT_EQ(server.status, mode() == 0 ? Status::Holds : Status::Blocks);
  if (mode() != 0) {
    EXPECT_EQ(server.fix, check::FixKind::StartService);
    EXPECT_EQ(server.fixTarget, "LanmanServer");
  }
  world.services.installed["LanmanServer"].startType = platform::kServiceDisabled;
  EXPECT_EQ(RowAbout("Server service").fix, check::FixKind::None);
  world.services.installed.erase("Browser");
  EXPECT_EQ(StatusOf("Computer Browser service"),
            mode() == 0 ? Status::Holds : Status::WorthKnowing);
  world.services.refused.insert("lmhosts");
  EXPECT_EQ(StatusOf("TCP/IP NetBIOS Helper service"), Status::NotChecked);
}

TEST_P(SharingCheckTest, TheGuestAccountIsJudgedByWhatTheModeNeedsOfIt) {
  world.accounts.guestEnabled = !world.accounts.guestEnabled;
  world.accounts.rights[kGuest] = {};
  const check::Finding guest = RowAbout("Guest account");
  const Status expected[] = {Status::WorthKnowing, Status::Blocks, Status::WorthKnowing};
  EXPECT_EQ(guest.status, expected[mode()]) << guest.explanation;
  if (mode() == 1) {
    EXPECT_NE(guest.explanation.find("it is switched off"), std::string::npos);
    EXPECT_EQ(guest.fix, check::FixKind::ApplyMode);
  }
  if (mode() == 0) {
    EXPECT_NE(guest.explanation.find("stays switched on"), std::string::npos);
  }
  world.accounts.rightsError = 5;
  EXPECT_EQ(StatusOf("Guest account"), Status::NotChecked);
}

TEST_P(SharingCheckTest, XpHomeCannotRunNormalShare) {
  world.identity.suiteMask = platform::kSuitePersonal;
  EXPECT_EQ(StatusOf("Windows edition"), mode() == 2 ? Status::Blocks : Status::Holds);
  EXPECT_EQ(RowAbout("Windows edition").found, "Windows XP Home Edition");
  world.identity.suiteMaskFails = true;
  EXPECT_EQ(StatusOf("Windows edition"), Status::NotChecked);
}

TEST_P(SharingCheckTest, AShareOfNewShareLetsInTheGuestOnly) {
  world.accounts.shareAccess[u"Photos"] = AccessList{true, {{kGuest, true, kRead, 0}}};
  const check::Finding share = RowAbout("Shared folder \"Photos\"");
  const Status expected[] = {Status::Holds, Status::Holds, Status::Blocks};
  EXPECT_EQ(share.status, expected[mode()]);
  if (mode() == 2) {
    EXPECT_EQ(share.found, "C:\\Photos; share: guest only");
    EXPECT_NE(share.explanation.find("so no one can open it"), std::string::npos);
  }
  world.accounts.fileAccess.erase(u"C:\\Photos");
  EXPECT_EQ(RowAbout(share.what).found, "C:\\Photos is gone");
  world.shareService.shareEnumResults = {50};
  EXPECT_EQ(StatusOf("Shared folders"), Status::NotChecked);
}

TEST_P(SharingCheckTest, NamesAndPathsAreShownAsTheyAreEvenWithAPercentS) {
  world.shareService.shares.push_back({u"Music %s", 0, u"", 0, u"D:\\Mu%sic"});
  world.accounts.shareAccess[u"Music %s"] = AccessList{true, {{"S-1-1-0", true, kRead, 0}}};
  world.accounts.fileAccess[u"D:\\Mu%sic"] = AccessList{true, {{"S-1-1-0", true, kRead, 0}}};
  EXPECT_EQ(RowAbout("Shared folder \"Music %s\"").found,
            mode() == 0 ? "D:\\Mu%sic" : "D:\\Mu%sic; readable");
  world.accounts.fileAccess.erase(u"D:\\Mu%sic");
  EXPECT_EQ(ExplanationOf("Shared folder \"Music %s\""),
            "The share points to D:\\Mu%sic, which no longer exists (moved, renamed or on a "
            "removed drive). Stop this share on the \"Shared Folders\" page and share the folder "
            "again where it is now.");
}

// Read through the code page, the twin of "Photos" in a look-alike folder reads as "Photos" in
// C:\Photos, whose lists let visitors in; its own lists do not.
TEST_P(SharingCheckTest, ASharesListsAreReadByItsExactNameAndPath) {
  const std::u16string twin = u"\uFF30hotos";
  const std::u16string folder = u"C:\uFF3CPhotos";
  world.shareService.shares = {{twin, 0, u"", 0, folder}};
  world.accounts.shareAccess[twin] = AccessList{true, {}};
  world.accounts.fileAccess[folder] = AccessList{true, {}};
  const check::Finding share = RowAbout("Shared folder \"Photos\"");
  EXPECT_EQ(share.status, mode() == 0 ? Status::Holds : Status::Blocks);
  if (mode() != 0) {
    EXPECT_EQ(share.found, "C:\\Photos; share: closed to them; folder: closed to them");
  }
}

TEST_P(SharingCheckTest, TheFirewallInForceDecidesNotItsRegistrySettings) {
  world.firewall.state = {true, platform::kProfilePublic, true, true, true};
  const check::Finding onPublic = RowAbout("Firewall");
  EXPECT_EQ(onPublic.status, mode() == 0 ? Status::WorthKnowing : Status::Blocks);
  EXPECT_EQ(onPublic.found, "on, file and printer sharing let through; network location Public");
  EXPECT_NE(onPublic.explanation.find("does not use the Windows XP firewall settings"),
            std::string::npos);
  world.firewall.state = {false, 0, true, false, true};
  EXPECT_EQ(StatusOf("Firewall"), mode() == 0 ? Status::Holds : Status::Blocks);
  world.firewall.unreadableReason = "the firewall's interface is missing.";
  EXPECT_EQ(StatusOf("Firewall"), Status::NotChecked);
}

TEST_P(SharingCheckTest, APlinvoFolderOthersCanChangeIsWorthKnowing) {
  world.accounts.fileAccess[u"C:\\Program Files\\Plinvo\\myright.exe"] =
      AccessList{true,
                 {{world.accounts.currentUserSid, true, kFull, 0},
                  {"S-1-3-0", true, kFull, platform::kInheritOnlyAce}}};
  world.accounts.fileAccess[u"C:\\Program Files\\Plinvo\\help.chm"] = AccessList{false, {}};
  const check::Finding own = RowAbout("Plinvo's own folder");
  EXPECT_EQ(own.status, Status::WorthKnowing);
  EXPECT_NE(own.explanation.find("Changeable by: C:\\Program Files\\Plinvo\\myright.exe: your own "
                                 "account; C:\\Program Files\\Plinvo\\help.chm: everyone (the "
                                 "drive keeps no access lists)."),
            std::string::npos)
      << own.explanation;
  world.accounts.errors[u"C:\\Program Files\\Plinvo"] = 5;
  EXPECT_EQ(StatusOf("Plinvo's own folder"), Status::NotChecked);
}

TEST_P(SharingCheckTest, ASelfAssignedAddressOrNetBiosSwitchedOffKeepsVisitorsAway) {
  world.registry.Put(kNetBt, "NetbiosOptions", {RegistryValue::Type::Dword, 2, {}});
  EXPECT_EQ(StatusOf("NetBIOS over TCP/IP"), mode() == 0 ? Status::Holds : Status::Blocks);
  world.adapters.adapters[0].addresses = {"169.254.7.1"};
  EXPECT_EQ(RowAbout("Network address").found, "169.254.x.x only");
  EXPECT_EQ(StatusOf("Network address"), mode() == 0 ? Status::Holds : Status::Blocks);
  world.adapters.error = 5;
  EXPECT_EQ(StatusOf("Network address"), Status::NotChecked);
  // A code says what it means and what to do, and keeps the number for support.
  world.adapters.error = 13;
  const std::string explanation = RowAbout("Network address").explanation;
  EXPECT_EQ(explanation.find("answered error"), std::string::npos) << explanation;
  EXPECT_NE(explanation.find("could not list the network adapters: Windows found the setting "
                             "stored in a form it does not accept"),
            std::string::npos)
      << explanation;
  EXPECT_NE(explanation.find("anew (error 13)."), std::string::npos) << explanation;
}

TEST_P(SharingCheckTest, WithNoModeRecordedNoModeIsJudgedNorAppliedByFix) {
  // The mode's settings drifted, the guest account is off and the firewall shuts sharing out:
  // with a mode, each of these would offer to apply it again.
  world.registry.Put(kLsaCurrent, "restrictanonymous", {RegistryValue::Type::Dword, 7, {}});
  world.accounts.guestEnabled = false;
  world.firewall.state = {false, 0, true, false, true};
  for (const char* content : {"", "[ShareMode]\r\nMode=-1\r\n", "[ShareMode]\r\nMode=7\r\n"}) {
    world.files.PutFile(sharemode::SettingsFilePath(kFolder), content);
    const std::vector<check::Finding> rows = Run();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().what, "Share mode") << content;
    EXPECT_EQ(rows.front().found, "none applied by Plinvo");
    EXPECT_NE(rows.front().explanation.find("No share mode has been applied by Plinvo"),
              std::string::npos);
    for (const check::Finding& row : rows) {
      EXPECT_NE(row.fix, check::FixKind::ApplyMode) << row.what;
    }
  }
  EXPECT_EQ(RowAbout("Guest account").needed, "no share mode applied by Plinvo");
}

TEST_P(SharingCheckTest, AValueOfAnotherTypeCountsAsChanged) {
  world.registry.Put(
      "System\\CurrentControlSet\\Services\\SharedAccess\\Parameters\\"
      "FirewallPolicy\\StandardProfile\\GloballyOpenPorts\\List",
      "445:TCP", {RegistryValue::Type::Dword, 445, {}});
  const check::Finding changed = RowAbout(Run().front().what);
  EXPECT_NE(changed.explanation.find("\\List\\445:TCP is 445, needs \"445:TCP:LocalSubNet:"),
            std::string::npos)
      << changed.explanation;
}

TEST_P(SharingCheckTest, AFolderThatDeniesTheVisitorsBlocksThemWhateverElseItAllows) {
  world.accounts.fileAccess[u"C:\\Photos"].entries.push_back({"S-1-1-0", false, kRead, 0});
  const check::Finding share = RowAbout("Shared folder \"Photos\"");
  EXPECT_EQ(share.status, mode() == 0 ? Status::Holds : Status::Blocks);
  if (mode() != 0) {
    EXPECT_EQ(share.found, "C:\\Photos; folder: closed to them");
    EXPECT_NE(share.explanation.find("Add them on the Security tab"), std::string::npos);
  }
  // An entry that only passes to the folder's children does not count for the folder.
  world.accounts.fileAccess[u"C:\\Photos"] =
      AccessList{true, {{"S-1-5-32-545", true, kRead, platform::kInheritOnlyAce}}};
  world.accounts.shareAccess[u"Photos"] = AccessList{false, {}};
  EXPECT_EQ(RowAbout("Shared folder \"Photos\"").found,
            mode() == 0 ? "C:\\Photos" : "C:\\Photos; folder: closed to them");
}

TEST_P(SharingCheckTest, OnlyTheXpFirewallIsFixedByApplyingTheModeAgain) {
  world.firewall.state = {false, 0, true, false, true};
  const check::Finding xp = RowAbout("Firewall");
  EXPECT_EQ(xp.found, "on, no exceptions allowed");
  EXPECT_EQ(xp.fix, mode() == 0 ? check::FixKind::None : check::FixKind::ApplyMode);
  world.firewall.state = {true, platform::kProfilePrivate, true, true, false};
  const check::Finding vista = RowAbout("Firewall");
  EXPECT_EQ(vista.found, "on, file and printer sharing blocked; network location Private");
  EXPECT_EQ(vista.status, mode() == 0 ? Status::Holds : Status::Blocks);
  EXPECT_EQ(vista.fix, check::FixKind::None);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, SharingCheckTest, ::testing::Values(0, 1, 2), ModeLabel);

TEST(SharingCheckReport, ListsEveryRowWithItsStatusFoundNeededAndExplanation) {
  std::vector<check::Finding> rows(2);
  rows[0] = {Status::Holds,
             "Server service",
             "running",
             "running",
             "It hands out the shares.",
             check::FixKind::None,
             ""};
  rows[1] = {Status::NotChecked,   "Firewall", "could not be read", "off", "No answer.",
             check::FixKind::None, ""};
  EXPECT_EQ(check::ReportText("WORKSTATION1", 1, rows),
            "Plinvo sharing check\r\nComputer: WORKSTATION1\r\nShare mode: Zendry Share\r\n"
            "\r\n[Holds] Server service\r\n  Found: running\r\n  Needed: running\r\n"
            "  It hands out the shares.\r\n"
            "\r\n[Could not be checked] Firewall\r\n  Found: could not be read\r\n"
            "  Needed: off\r\n  No answer.\r\n");
}

TEST(MessageText, PutsEachArgumentInItsPlaceOnceAndKeepsWhatHasNoArgument) {
  EXPECT_EQ(app::FormatMessageText("Cannot open file %s", {"C:\\a%sb.ini"}),
            "Cannot open file C:\\a%sb.ini");
  EXPECT_EQ(app::FormatMessageText("%s of %s values changed", {"2", "12"}),
            "2 of 12 values changed");
  // A pattern with more "%s" than arguments keeps the rest as written; extra arguments are
  // left out.
  EXPECT_EQ(app::FormatMessageText("%s, %s and %s", {"%s", "b"}), "%s, b and %s");
  EXPECT_EQ(app::FormatMessageText("no place", {"x", "y"}), "no place");
  EXPECT_EQ(app::FormatMessageText("50%s", {}), "50%s");
  EXPECT_EQ(app::FormatMessageText("%s%s", {"", "%"}), "%");
}

}  // namespace
}  // namespace check_testing
