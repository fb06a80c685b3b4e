// The rows about visitors the server turned away: its counts, what changed since the dialog
// opened, and the failed network logons of the security log.
#include <functional>

#include "check/Rows.h"
#include "check/SharingCheckFixture.h"
#include "support/TestWorld.h"

namespace check_testing {
namespace {

using platform::AuditFailure;

// Windows XP's failed logon `id` from the network (logon type 3), with the visitor's computer
// and address where XP SP2 puts them.
AuditFailure XpFailure(std::uint32_t id, std::uint32_t written, const std::u16string& account,
                       const std::u16string& type = u"3") {
  return {id,
          written,
          {account, u"PC", type, u"NtLmSsp ", u"NTLM", u"LAPTOP", u"-", u"-", u"-", u"-", u"-",
           u"192.168.1.7", u"1025"}};
}

// Windows Vista's failed logon with its status and sub-status.
AuditFailure VistaFailure(std::uint32_t written, const std::u16string& account,
                          const std::u16string& status, const std::u16string& subStatus) {
  std::vector<std::u16string> strings(21, u"-");
  strings[5] = account;
  strings[7] = status;
  strings[9] = subStatus;
  strings[10] = u"3";
  strings[13] = u"DESKTOP7";
  return {4625, written, strings};
}

TEST_P(SharingCheckTest, RefusalsAreCountedSinceTheServerStartedAndReadForTheMode) {
  world.shareService.serverCounts = {
      static_cast<std::uint32_t>(world.clock.now - 2 * 86400 - 3 * 3600), 2, 1, 7};
  const check::Finding row = RowAbout("Refused visitors");
  EXPECT_EQ(row.status, Status::WorthKnowing);
  EXPECT_EQ(row.found, "2 for password, 1 for rights");
  EXPECT_EQ(row.explanation.rfind("Since the Server service started 2 days and 3 hours ago, it "
                                  "has refused 2 logons for a wrong password and 1 request for "
                                  "missing rights, and opened 7 sessions. ",
                                  0),
            0u)
      << row.explanation;
  const char* const meaning[] = {"someone tried to come in",
                                 "the guest account is refused a network "
                                 "logon",
                                 "a wrong or empty password"};
  EXPECT_NE(row.explanation.find(meaning[mode()]), std::string::npos) << row.explanation;
  EXPECT_EQ(row.explanation.find("since you opened"), std::string::npos) << "nothing to compare";

  world.shareService.serverCounts.started = 0;  // a service that does not say when
  EXPECT_EQ(
      RowAbout("Refused visitors").explanation.rfind("Since the Server service started, it", 0),
      0u);
  world.shareService.statisticsResult = 2114;
  const check::Finding stopped = RowAbout("Refused visitors");
  EXPECT_EQ(stopped.status, Status::NotChecked);
  EXPECT_NE(stopped.explanation.find("The Server service is not running"), std::string::npos);
}

TEST_P(SharingCheckTest, FailedNetworkLogonsAreShownNewestFirstInPlainWords) {
  const auto ago = [&](std::int64_t seconds) {
    return static_cast<std::uint32_t>(world.clock.now - seconds);
  };
  AuditFailure unexpected = XpFailure(537, ago(86400), u"carl");
  unexpected.strings[7] = u"0xC0000413";  // a sub-status no row explains
  world.securityLog.failures = {
      VistaFailure(ago(90), u"anna", u"0xc000006d", u"0xc000006a"),
      XpFailure(529, ago(600), u"Guest", u"2"),  // at the keyboard: not a visitor
      XpFailure(534, ago(2 * 3600 + 5 * 60), u"Guest"),
      VistaFailure(ago(86400), u"bob", u"0xC000015B", u"0x0"),
      unexpected,
      XpFailure(529, ago(86400), u"dora"),
      XpFailure(531, ago(86400), u"emil"),
      XpFailure(539, ago(86400), u"fred"),  // the sixth: left out
  };
  const check::Finding row = RowAbout("Failed network logons");
  EXPECT_EQ(row.status, Status::WorthKnowing);
  EXPECT_EQ(row.found, "5 recent");
  EXPECT_EQ(row.explanation,
            "The security log's newest failed network logons, newest first:\r\n"
            "- 1 minute ago, from DESKTOP7, account \"anna\": wrong password. What to do: type "
            "the account's password again (capitals count).\r\n"
            "- 2 hours and 5 minutes ago, from LAPTOP (192.168.1.7), account \"Guest\": the "
            "account may not log on from the network. What to do: see the \"Guest account\" "
            "row; Normal Share keeps the guest out on purpose.\r\n"
            "- 1 day ago, from DESKTOP7, account \"bob\": the account may not log on from the "
            "network. What to do: see the \"Guest account\" row; Normal Share keeps the guest "
            "out on purpose.\r\n"
            "- 1 day ago, from LAPTOP, account \"carl\": a reason Windows gives as 0xC0000413. "
            "What to do: look at the event in the Event Viewer's Security log.\r\n"
            "- 1 day ago, from LAPTOP (192.168.1.7), account \"dora\": unknown user name or "
            "wrong password. What to do: type the name and password of an account of this "
            "computer exactly.");
}

TEST_P(SharingCheckTest, WithoutAuditingTheRowSaysSoAndAnUnreadableLogNeverFailsTheCheck) {
  world.securityLog.failuresAudited = false;
  world.securityLog.logError = 5;
  const check::Finding off = RowAbout("Failed network logons");
  EXPECT_EQ(off.status, Status::WorthKnowing);
  EXPECT_EQ(off.found, "not recorded (auditing off)");
  EXPECT_NE(off.explanation.find("\"Audit logon events\", Failure)"), std::string::npos);
  EXPECT_EQ(off.explanation.find("Recorded earlier"), std::string::npos);

  world.securityLog.logError = 0;
  world.securityLog.failures = {XpFailure(529, 0, u"old")};
  EXPECT_NE(RowAbout("Failed network logons").explanation.find("\r\nRecorded earlier: "),
            std::string::npos);

  world.securityLog.failuresAudited = true;
  world.securityLog.logError = 5;
  const check::Finding unreadable = RowAbout("Failed network logons");
  EXPECT_EQ(unreadable.status, Status::NotChecked);
  EXPECT_EQ(unreadable.explanation.rfind("Plinvo could not read the security log: Windows "
                                         "refused access.",
                                         0),
            0u);
  world.securityLog.logError = 0;
  world.securityLog.failures.clear();
  world.securityLog.policyError = 5;
  EXPECT_EQ(StatusOf("Failed network logons"), Status::NotChecked);
}

TEST(AgoText, SaysTheTwoLargestUnits) {
  EXPECT_EQ(check::AgoText(59), "just now");
  EXPECT_EQ(check::AgoText(-5), "just now");
  EXPECT_EQ(check::AgoText(61), "1 minute ago");
  EXPECT_EQ(check::AgoText(3 * 3600 + 59), "3 hours ago");
  EXPECT_EQ(check::AgoText(86400 + 3600 + 60), "1 day and 1 hour ago");
}

struct RefusedVisitorsDialogTest : ::testing::Test {
  testing_support::TestWorld test;
  RefusedVisitorsDialogTest() {
    ApplyInWorld(test.world, 2);
    test.StartMainWindow();
  }
};

TEST_F(RefusedVisitorsDialogTest, CheckAgainSaysWhatWasRefusedSinceTheDialogOpened) {
  platform::ServerCounts& counts = test.world.shareService.serverCounts;
  counts.passwordErrors = 3;
  std::vector<std::string> found;
  std::vector<std::string> explained;
  test.forms.onShowModal = [&](ui::memory::MemoryForm& dialog) {
    auto& list = dialog.Memory<ui::memory::MemoryListView>("m_listChecks");
    const auto again = [&](const std::function<void()>& change) {
      change();
      dialog.Memory<ui::memory::MemoryButton>("m_btnCheckAgain").Click();
      int row = 0;
      while (row < list.RowCount() && list.Cell(row, 0) != "Refused visitors") ++row;
      ASSERT_LT(row, list.RowCount());
      found.push_back(list.Cell(row, 1));
      list.Select(row);
      explained.push_back(dialog.Get<ui::Edit>("m_memoExplanation").Text());
    };
    again([] {});
    again([&] { counts.passwordErrors += 2; });
    again([&] { counts.permissionErrors += 1; });
    again([&] { counts.started += 60; });
  };
  test.MainForm().MemoryMenu("menuCheckSharing").Click();
  EXPECT_EQ(found, (std::vector<std::string>{
                       "3 for password, 0 for rights", "5 for password, 0 for rights, 2 new",
                       "5 for password, 1 for rights, 3 new", "5 for password, 1 for rights"}));
  ASSERT_EQ(explained.size(), 4u);
  EXPECT_EQ(explained[0].rfind("Worth knowing: No more refused since you opened this check. ", 0),
            0u)
      << explained[0];
  explained.erase(explained.begin());
  EXPECT_EQ(explained[0].rfind("Worth knowing: 2 more refused for a wrong password since you "
                               "opened this check. Since",
                               0),
            0u)
      << explained[0];
  EXPECT_EQ(explained[1].rfind("Worth knowing: 2 more refused for a wrong password since you "
                               "opened this check. 1 more refused for missing rights since you "
                               "opened this check. Since",
                               0),
            0u)
      << explained[1];
  EXPECT_EQ(explained[2].rfind("Worth knowing: The Server service has started again", 0), 0u)
      << explained[2];
}

}  // namespace
}  // namespace check_testing
