#include <gtest/gtest.h>

#include <ostream>

#include "support/ProgramEnd.h"
#include "support/TestWorld.h"

namespace {

using platform::mb::kIconStop;
using platform::mb::kIconWarning;
using testing_support::TestWorld;

const char* const kAdministratorWarning =
    "In order to run our software ,please log on the computer using 'Administrator', otherwise "
    "some operatons will be lack of permission.";

TEST(ErrorReportText, AddsAFullStopOnlyAfterACharacterAboveIt) {
  EXPECT_EQ(app::ErrorReportText("Cannot open file C:\\x.rtf"), "Cannot open file C:\\x.rtf.");
  EXPECT_EQ(app::ErrorReportText("Failed to set data for 'x'"), "Failed to set data for 'x'");
  EXPECT_EQ(app::ErrorReportText("ends with a stop."), "ends with a stop.");
  EXPECT_EQ(app::ErrorReportText("ends with a dash-"), "ends with a dash-");     // '-' < '.'
  EXPECT_EQ(app::ErrorReportText("ends with a slash/"), "ends with a slash/.");  // '/' > '.'
  EXPECT_EQ(app::ErrorReportText("ends with 9"), "ends with 9.");
  EXPECT_EQ(app::ErrorReportText(""), "");
  EXPECT_EQ(app::ErrorReportText("caf\xE9"), "caf\xE9.");  // ANSI codes above 127 count too
}

TEST(CentralErrorReport, ShowsTheMessageWithTitleStopIconAndOkThenCarriesOn) {
  TestWorld test;
  test.StartMainWindow();
  test.world.messageBoxes.shown.clear();
  bool after = false;
  test.application->Run(
      42, [] { return platform::Status(platform::Failure("Cannot open file C:\\a.rtf", 2)); });
  test.application->Run(42, [&] { after = true; });
  test.application->Run(42, [] { return platform::Status(); });
  ASSERT_EQ(test.world.messageBoxes.shown.size(), 1u) << "a success shows nothing";
  const auto& box = test.world.messageBoxes.shown[0];
  EXPECT_EQ(box.text, "Cannot open file C:\\a.rtf.");
  EXPECT_EQ(box.caption, "Plinvo");
  EXPECT_EQ(box.style, platform::mb::kOk | kIconStop);
  EXPECT_EQ(box.owner, 42u);
  EXPECT_TRUE(after);
}

struct WarningCase {
  std::uint32_t major;
  const char* user;
  bool userFails;
  bool warned;
};

void PrintTo(const WarningCase& c, std::ostream* out) {
  *out << "major " << c.major << ", user \"" << c.user << "\""
       << (c.userFails ? " unreadable" : "");
}

class AdministratorWarningTest : public ::testing::TestWithParam<WarningCase> {};

TEST_P(AdministratorWarningTest, DependsOnMajorVersionAndUserName) {
  const WarningCase& c = GetParam();
  TestWorld test;
  test.world.identity.version.majorVersion = c.major;
  test.world.identity.userName = c.user;
  test.world.identity.userNameFails = c.userFails;
  app::TfrmMain& main = test.StartMainWindow();

  int warnings = 0;
  for (const auto& box : test.world.messageBoxes.shown) {
    if (box.text == kAdministratorWarning) {
      ++warnings;
      EXPECT_EQ(box.caption, "Plinvo");
      EXPECT_EQ(box.style, platform::mb::kOk | kIconWarning);
      EXPECT_EQ(box.owner, main.Handle());
    }
  }
  EXPECT_EQ(warnings, c.warned ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    ByVersionAndUser, AdministratorWarningTest,
    ::testing::Values(WarningCase{6, "Administrator", false, false},
                      WarningCase{6, "administrator", false, false},
                      WarningCase{6, "ADMINISTRATOR", false, false},
                      WarningCase{6, "Admin", false, true},
                      WarningCase{6, "Administrators", false, true},
                      WarningCase{6, "alice", false, true},
                      WarningCase{6, "Administrator", true, true},  // name unreadable: empty
                      WarningCase{5, "alice", false, false}, WarningCase{0, "alice", false, false},
                      WarningCase{7, "alice", false, false}));

TEST(Startup, ANameTooLongForTheBufferCountsAsEmpty) {
  TestWorld test;
  test.world.identity.version.majorVersion = 6;
  test.world.identity.userName = std::string(127, 'a');  // fits: 127 + terminator
  test.StartMainWindow();
  EXPECT_EQ(test.world.messageBoxes.shown.size(), 1u);
}

TEST(Startup, InitialisesTheApplicationValuesAndTheVersionRecord) {
  TestWorld test;
  test.world.identity.version = {148, 6, 0, 6002, 2, "Service Pack 2"};
  app::TfrmMain& main = test.StartMainWindow();
  const app::Global& global = main.application().global();
  EXPECT_EQ(global.applicationTitle, "Plinvo");
  EXPECT_EQ(global.productTag, "Plinvo_V1");
  EXPECT_EQ(global.programFolder, TestWorld::kProgramFolder);
  EXPECT_EQ(global.homePageAddress, global.makerWebSite + "/?come_from=Plinvo_V1");
  EXPECT_EQ(global.productPageAddress,
            global.makerWebSite + "/en/Plinvo_Detail.aspx?come_from=Plinvo_V1");
  EXPECT_EQ(global.helpFile, std::string(TestWorld::kProgramFolder) + "help.chm");
  EXPECT_EQ(test.world.identity.lastVersionRecordSize, 148u);
  EXPECT_EQ(global.versionRecord.majorVersion, 6u);
  EXPECT_EQ(global.versionRecord.buildNumber, 6002u);
}

TEST(Startup, AFailedVersionQueryLeavesEveryFieldButTheSizeZero) {
  TestWorld test;
  test.world.identity.versionFails = true;
  test.world.identity.userName = "alice";
  app::TfrmMain& main = test.StartMainWindow();
  const platform::VersionRecord& record = main.application().global().versionRecord;
  EXPECT_EQ(record.size, 148u);
  EXPECT_EQ(record.majorVersion, 0u);
  EXPECT_EQ(record.buildNumber, 0u);
  EXPECT_TRUE(test.world.messageBoxes.shown.empty()) << "major 0 never warns";
}

TEST(MainWindow, ExitClosesTheWindowWithoutAQuestion) {
  TestWorld test;
  test.StartMainWindow();
  test.world.messageBoxes.shown.clear();
  test.MainForm().MemoryMenu("menuExit").Click();
  EXPECT_TRUE(test.MainForm().memoryWindow().Closed());
  EXPECT_TRUE(test.world.messageBoxes.shown.empty());
}

TEST(MainWindow, HandsOutEachControlByNameWithItsOwnInterfaceOnly) {
  TestWorld test;
  test.StartMainWindow();
  ui::Form& form = test.MainForm();
  EXPECT_EQ(form.Get<ui::Button>("m_btnFolderRefresh").Text(), "Refresh");
  EXPECT_EQ(form.Get<ui::Control>("m_labelSvrName").Handle(),
            form.Get<ui::Label>("m_labelSvrName").Handle());
  EXPECT_EQ(form.Get<ui::TabControl>("pgc1").PageCount(), 3);
  try {
    form.Get<ui::ListView>("m_btnFolderRefresh");
    ADD_FAILURE() << "a button was handed out as a list";
  } catch (const testing_support::ProgramEnded& error) {
    EXPECT_STREQ(error.what(), "form has no control m_btnFolderRefresh");
  }
  EXPECT_THROW(form.Get<ui::Button>("m_btnNoSuchButton"), testing_support::ProgramEnded);
}

}  // namespace
