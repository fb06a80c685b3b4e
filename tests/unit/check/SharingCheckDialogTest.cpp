#include <gtest/gtest.h>

#include <functional>

#include "check/SharingCheckFixture.h"
#include "check/VisitorInstructions.h"
#include "platform/ErrorWords.h"
#include "sharemode/SettingsHistory.h"
#include "support/Events.h"
#include "support/TestWorld.h"

namespace check_testing {
namespace {

using platform::memory::RegistryValue;
using testing_support::TestWorld;
using ui::memory::MemoryForm;
using ui::memory::MemoryListView;

struct SharingCheckDialogTest : ::testing::Test {
  TestWorld test;
  SharingCheckDialogTest() {
    ApplyInWorld(test.world, 1);
    test.StartMainWindow();
    test.world.messageBoxes.shown.clear();
  }
  // Opens the dialog from the File menu; `user` acts while it is on the screen.
  void OpenCheck(const std::function<void(MemoryForm&)>& user) {
    test.forms.onShowModal = [this, user](MemoryForm& dialog) {
      ASSERT_EQ(dialog.spec().caption, "Sharing Check");
      EXPECT_EQ(dialog.owner(), test.mainWindow->Handle());
      user(dialog);
    };
    test.MainForm().MemoryMenu("menuCheckSharing").Click();
  }
  static MemoryListView& List(MemoryForm& dialog) {
    return dialog.Memory<MemoryListView>("m_listChecks");
  }
  static int RowOf(MemoryForm& dialog, const std::string& what) {
    for (int row = 0; row < List(dialog).RowCount(); ++row) {
      if (List(dialog).Cell(row, 0) == what) return row;
    }
    return -1;
  }
  static std::string Explanation(MemoryForm& dialog) {
    return dialog.Get<ui::Edit>("m_memoExplanation").Text();
  }
};

TEST_F(SharingCheckDialogTest, CheckSharingIsTheFirstFileEntryAndShowsEachRowAsItComes) {
  const std::vector<ui::MenuDesign>& menu = test.MainForm().spec().menu;
  ASSERT_GE(menu.size(), 3u);
  EXPECT_EQ(menu[1].caption, "&Check Sharing...");
  EXPECT_EQ(menu[1].parent, "File1");
  EXPECT_EQ(menu[1].id, 2002);
  std::vector<std::string> pictured;
  for (const ui::MenuDesign& entry : menu) {
    if (!entry.picture.empty()) pictured.push_back(entry.name + " " + entry.picture);
  }
  EXPECT_EQ(pictured, (std::vector<std::string>{"File1 PICTURE_FILE", "Help1 PICTURE_HELP"}));
  EXPECT_EQ(menu[4].caption, "-");
  EXPECT_EQ(menu[4].id, 0);
  EXPECT_EQ(menu[5].caption, "E&xit");
  test.world.services.installed["Browser"].currentState = platform::kServiceStopped;
  OpenCheck([&](MemoryForm& dialog) {
    EXPECT_EQ(List(dialog).RowCount(), 15);
    EXPECT_EQ(dialog.memoryWindow().PendingEventPasses(), 15);
    EXPECT_EQ(
        List(dialog).Rows()[3],
        (std::vector<std::string>{"Computer Browser service", "stopped", "running (recommended)"}));
    EXPECT_EQ(List(dialog).RowPicture(0), 0);  // holds
    EXPECT_EQ(List(dialog).RowPicture(3), 2);  // worth knowing
    EXPECT_EQ(Explanation(dialog), "Select a row to read what it means for visitors.");
    EXPECT_FALSE(dialog.Get<ui::Button>("m_btnFix").Enabled());
  });
}

TEST_F(SharingCheckDialogTest, TheListPaintsOncePerBatchOfConditionsNotOncePerRow) {
  // Fifteen rows from the conditions, each of which gives at least one. Emptied once, then:
  // a check read within the first tenth of a second paints its rows once, at its end;
  OpenCheck([&](MemoryForm& dialog) {
    ASSERT_EQ(List(dialog).RowCount(), 15);
    EXPECT_EQ(List(dialog).Repaints(), 1 + 1);
  });
  // one whose conditions take a tenth of a second each paints once per condition, still not
  // once per row;
  test.world.clock.millisecondsPerReading = 100;
  OpenCheck([&](MemoryForm& dialog) {
    ASSERT_EQ(List(dialog).RowCount(), 15);
    EXPECT_EQ(List(dialog).Repaints(), 1 + static_cast<int>(check::SharingConditions().size()));
  });
  // and one in between paints a batch of conditions at a time.
  test.world.clock.millisecondsPerReading = 30;
  OpenCheck([&](MemoryForm& dialog) {
    ASSERT_EQ(List(dialog).RowCount(), 15);
    EXPECT_GT(List(dialog).Repaints(), 1 + 1);
    EXPECT_LT(List(dialog).Repaints(), 1 + static_cast<int>(check::SharingConditions().size()) / 2);
  });
}

// The dialog comes on the screen once and never empty: a quick check with every row in, a slow
// one with the first condition's rows while it goes on checking.
TEST_F(SharingCheckDialogTest, TheDialogFirstShowsWithItsFirstRowsIn) {
  std::vector<std::string> seen;
  test.forms.onWindowShown = [&](MemoryForm& dialog) {
    seen.push_back(std::to_string(List(dialog).RowCount()) + " " + Explanation(dialog));
    // The main window opens no second check meanwhile.
    test.MainForm().MemoryMenu("menuCheckSharing").Click();
  };
  OpenCheck([&](MemoryForm& dialog) {
    dialog.Memory<ui::memory::MemoryButton>("m_btnCheckAgain").Click();
    EXPECT_EQ(List(dialog).RowCount(), 15);
  });
  test.world.clock.millisecondsPerReading = 100;
  OpenCheck([&](MemoryForm& dialog) { EXPECT_EQ(List(dialog).RowCount(), 15); });
  EXPECT_EQ(seen, (std::vector<std::string>{"15 Select a row to read what it means for visitors.",
                                            "1 Checking..."}));
  EXPECT_EQ(test.forms.CreatedCount("TfrmSharingCheck"), 2);
}

TEST_F(SharingCheckDialogTest, FixOnChangedSettingsAppliesTheModeAgainThroughApply) {
  test.world.registry.Put("SYSTEM\\ControlSet001\\Control\\Lsa", "restrictanonymous",
                          {RegistryValue::Type::Dword, 1, {}});
  const std::size_t writesBefore = test.world.registry.writes.size();
  OpenCheck([&](MemoryForm& dialog) {
    List(dialog).Select(0);
    EXPECT_EQ(List(dialog).RowPicture(0), 1);  // blocks visitors
    EXPECT_EQ(Explanation(dialog).rfind("Blocks visitors: Another program, a policy or a Windows "
                                        "update has changed settings that Zendry Share wrote",
                                        0),
              0u)
        << Explanation(dialog);
    ASSERT_TRUE(dialog.Get<ui::Button>("m_btnFix").Enabled());
    dialog.Memory<ui::memory::MemoryButton>("m_btnFix").Click();
    List(dialog).Select(0);
    EXPECT_EQ(Explanation(dialog).rfind("Holds: ", 0), 0u) << Explanation(dialog);
  });
  EXPECT_EQ(test.world.messageBoxes.Texts(),
            (std::vector<std::string>{"Want to change share mode?",
                                      sharemode::RecipeFor(1).resultMessage}));
  EXPECT_EQ(test.world.registry.writes.size(), writesBefore + 12);
  EXPECT_EQ(
      test.world.registry.Value("SYSTEM\\ControlSet001\\Control\\Lsa", "restrictanonymous")->dword,
      0u);
}

TEST_F(SharingCheckDialogTest, AFixWhoseApplyIsRefusedIsReportedOverTheCheckAndChecksNothing) {
  test.world.registry.Put("SYSTEM\\ControlSet001\\Control\\Lsa", "restrictanonymous",
                          {RegistryValue::Type::Dword, 1, {}});
  test.world.registry.writesAllowed = test.world.registry.writes.size();
  platform::Handle checkWindow = 0;
  OpenCheck([&](MemoryForm& dialog) {
    checkWindow = dialog.memoryWindow().Handle();
    List(dialog).Select(0);
    dialog.Memory<ui::memory::MemoryButton>("m_btnFix").Click();
    EXPECT_EQ(dialog.memoryWindow().PendingEventPasses(), 15) << "the rows were not read again";
  });
  ASSERT_EQ(test.world.messageBoxes.Texts(),
            (std::vector<std::string>{"Want to change share mode?",
                                      "Failed to set data for 'restrictanonymous'"}));
  EXPECT_EQ(test.world.messageBoxes.shown[1].style, platform::mb::kOk | platform::mb::kIconStop);
  EXPECT_EQ(test.world.messageBoxes.shown[1].owner, checkWindow);
}

TEST_F(SharingCheckDialogTest, FixAsksOverTheCheckWhichStaysTheOnlyOne) {
  test.world.registry.Put("SYSTEM\\ControlSet001\\Control\\Lsa", "restrictanonymous",
                          {RegistryValue::Type::Dword, 1, {}});
  platform::Handle checkWindow = 0;
  OpenCheck([&](MemoryForm& dialog) {
    if (checkWindow != 0) return;  // a second one, which must not come
    checkWindow = dialog.memoryWindow().Handle();
    List(dialog).Select(0);
    dialog.Memory<ui::memory::MemoryButton>("m_btnFix").Click();
    test.MainForm().MemoryMenu("menuCheckSharing").Click();
  });
  EXPECT_EQ(test.forms.CreatedCount("TfrmSharingCheck"), 1);
  ASSERT_EQ(test.world.messageBoxes.shown.size(), 2u);
  for (const auto& box : test.world.messageBoxes.shown) EXPECT_EQ(box.owner, checkWindow);
}

// The changed settings offer to apply the mode again, the stopped service to start it and
// Windows XP's server, which does not offer signing, to offer it; no other row has anything for
// Fix to do.
TEST_F(SharingCheckDialogTest, FixIsEnabledOnlyForARowThatHasAFix) {
  test.world.registry.Put("SYSTEM\\ControlSet001\\Control\\Lsa", "restrictanonymous",
                          {RegistryValue::Type::Dword, 1, {}});
  test.world.services.installed["LanmanServer"].currentState = platform::kServiceStopped;
  OpenCheck([&](MemoryForm& dialog) {
    std::vector<std::string> fixable;
    for (int row = 0; row < List(dialog).RowCount(); ++row) {
      List(dialog).Select(row);
      if (dialog.Get<ui::Button>("m_btnFix").Enabled())
        fixable.push_back(List(dialog).Cell(row, 0));
    }
    EXPECT_EQ(fixable, (std::vector<std::string>{"Settings of Zendry Share", "Server service",
                                                 "Visitors with newer Windows"}));
    List(dialog).Select(-1);
    EXPECT_FALSE(dialog.Get<ui::Button>("m_btnFix").Enabled());
  });
}

TEST_F(SharingCheckDialogTest, FixOnAStoppedServiceStartsItAndAFailureIsSaid) {
  test.world.services.installed["LanmanServer"].currentState = platform::kServiceStopped;
  OpenCheck([&](MemoryForm& dialog) {
    List(dialog).Select(RowOf(dialog, "Server service"));
    dialog.Memory<ui::memory::MemoryButton>("m_btnFix").Click();
    EXPECT_EQ(List(dialog).Cell(RowOf(dialog, "Server service"), 1), "running");
    test.world.services.installed["lmhosts"] = {platform::kServiceStopped, 3};
    test.world.services.startFailures["lmhosts"] = 1053;
    dialog.Memory<ui::memory::MemoryButton>("m_btnCheckAgain").Click();
    List(dialog).Select(RowOf(dialog, "TCP/IP NetBIOS Helper service"));
    dialog.Memory<ui::memory::MemoryButton>("m_btnFix").Click();
    EXPECT_EQ(List(dialog).Cell(RowOf(dialog, "TCP/IP NetBIOS Helper service"), 1), "stopped");
  });
  EXPECT_EQ(test.world.services.started, (std::vector<std::string>{"LanmanServer", "lmhosts"}));
  EXPECT_EQ(test.world.messageBoxes.Texts(),
            std::vector<std::string>{
                "Windows could not start the TCP/IP NetBIOS Helper service. The service did not "
                "answer in time. Restart the computer and try again (error 1053)."});
}

TEST_F(SharingCheckDialogTest, CopyReportPutsTheWholeReportOnTheClipboardAndSaysSo) {
  std::vector<check::Finding> rows;
  OpenCheck([&](MemoryForm& dialog) {
    auto status = [&] { return dialog.Get<ui::Label>("m_labelCheckStatus").Text(); };
    dialog.Memory<ui::memory::MemoryButton>("m_btnCopyReport").Click();
    EXPECT_EQ(status(), "Report copied to the clipboard.");
    dialog.Memory<ui::memory::MemoryButton>("m_btnCheckAgain").Click();
    EXPECT_EQ(status(), "Checked again.");
    rows = check::RunSharingCheck(check::InputFor(test.world.platform, kFolder));
    test.world.clipboard.fails = true;
    dialog.Memory<ui::memory::MemoryButton>("m_btnCopyReport").Click();
    EXPECT_EQ(status(), "");
  });
  EXPECT_EQ(test.world.clipboard.text, check::ReportText("WORKSTATION1", 1, rows));
  EXPECT_NE(test.world.clipboard.text.find("[Holds] Settings of Zendry Share\r\n"),
            std::string::npos);
  EXPECT_EQ(test.world.messageBoxes.Texts(),
            std::vector<std::string>{"Plinvo could not put the report on the clipboard."});
}

TEST_F(SharingCheckDialogTest, FixLetsTheServerSignAfterSavingItsStateAndUndoTurnsItOffAgain) {
  const char* const server = "SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters";
  OpenCheck([&](MemoryForm& dialog) {
    const int row = RowOf(dialog, "Visitors with newer Windows");
    List(dialog).Select(row);
    dialog.Memory<ui::memory::MemoryButton>("m_btnFix").Click();
    EXPECT_EQ(List(dialog).Cell(row, 1), "Windows XP: SMB 1 only, signing offered");
  });
  EXPECT_EQ(test.world.registry.Value(server, "enablesecuritysignature")->dword, 1u);
  // Both records, of before the first and the last change, hold it as it was: not there.
  std::string record;
  test.world.files.ReadFile(sharemode::HistoryFilePath(test.world.files), record);
  const std::string saved = std::string("\t\\") + server + "\tenablesecuritysignature\tabsent\n";
  EXPECT_EQ(record.find(saved, record.find("[last]")), record.rfind(saved)) << record;
  EXPECT_LT(record.find(saved), record.find("[last]"));
  test.mainWindow->menuUndoModeClick();
  EXPECT_EQ(test.world.registry.Value(server, "enablesecuritysignature"), std::nullopt);
  const std::string line =
      "- The Server service offers signing to visitors: not set (the value "
      "is removed)";
  EXPECT_EQ(test.world.messageBoxes.Texts(),
            (std::vector<std::string>{
                "The Server service now offers signing to visitors.\n\nYou need to RESTART this "
                "computer to take effect!",
                "Undo the last share-mode change? These settings go back to what they were before "
                "it:\n\n" +
                    line + "\n\nAfterwards no share mode is shown as applied.",
                "The settings are back as they were. Changed back:\n" + line +
                    "\n\n\nYou need to RESTART this computer to take effect!"}));
  const std::vector<std::string> events = testing_support::EventLines(test.world.eventLog);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0], "190 info: Administrator");
  EXPECT_EQ(events[1].rfind("110 info: Administrator | The settings are back", 0), 0u);
}

TEST_F(SharingCheckDialogTest, ASigningFixWindowsRefusesIsAWarningInTheEventLog) {
  test.world.registry.refusedValueNames = {"enablesecuritysignature"};
  OpenCheck([&](MemoryForm& dialog) {
    List(dialog).Select(RowOf(dialog, "Visitors with newer Windows"));
    dialog.Memory<ui::memory::MemoryButton>("m_btnFix").Click();
  });
  EXPECT_EQ(testing_support::EventLines(test.world.eventLog),
            std::vector<std::string>{"191 warning: Administrator | " + platform::ErrorWords(5)});
}

TEST_F(SharingCheckDialogTest, CopyInstructionsPutsThemOnTheClipboardWithEachShareExactly) {
  test.world.shareService.shares.push_back({u"\u0424\u043e\u0442\u043e", 0, u"", 0, u"C:\\F"});
  OpenCheck([&](MemoryForm& dialog) {
    dialog.Memory<ui::memory::MemoryButton>("m_btnCopyInstructions").Click();
    EXPECT_EQ(dialog.Get<ui::Label>("m_labelCheckStatus").Text(), "Instructions copied.");
    test.world.clipboard.fails = true;
    dialog.Memory<ui::memory::MemoryButton>("m_btnCopyInstructions").Click();
  });
  std::u16string expected;
  ASSERT_TRUE(check::VisitorInstructions(test.world.platform, 1, expected));
  EXPECT_EQ(test.world.clipboard.unicodeText, expected);
  EXPECT_NE(expected.find(u"\\\\WORKSTATION1\\\u0424\u043e\u0442\u043e\r\n"), std::u16string::npos);
  EXPECT_EQ(test.world.messageBoxes.Texts(),
            std::vector<std::string>{"Plinvo could not put the instructions on the clipboard."});
}

}  // namespace
}  // namespace check_testing
