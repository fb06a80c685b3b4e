#include <gtest/gtest.h>

#include <ostream>

#include "SharesFixture.h"
#include "shares/StopShareQuestion.h"
#include "support/Events.h"

namespace {

using platform::mb::kIconInformation;
using platform::mb::kOk;
using shares_test::Share;
using shares_test::SharesFixture;
using shares_test::U;

TEST(StopShare, WithNothingSelectedAsksForAFolderAndLeavesTheListAlone) {
  SharesFixture f;
  f.service.shares = {Share("docs", "C:\\docs")};
  app::TfrmMain& main = f.Start();
  const int enumerations = static_cast<int>(f.service.shareEnumPrefMaxLens.size());
  f.MainButton("m_btnFolderStopShare").Click();
  ASSERT_EQ(f.test.world.messageBoxes.shown.size(), 1u);
  const auto& box = f.test.world.messageBoxes.shown[0];
  EXPECT_EQ(box.text, "Please select a folder first!");
  EXPECT_EQ(box.caption, "Plinvo");
  EXPECT_EQ(box.style, kOk | kIconInformation);
  EXPECT_EQ(box.owner, main.Handle());
  EXPECT_TRUE(f.service.deleted.empty());
  EXPECT_EQ(static_cast<int>(f.service.shareEnumPrefMaxLens.size()), enumerations);
}

TEST(StopShare, StopsTheSelectedShareReportsItAndRefreshes) {
  SharesFixture f;
  f.service.shares = {Share("docs", "C:\\docs"), Share("C$", "C:\\")};
  f.Start();
  f.Folders().Select(0);  // "C$", a system share: no extra question
  bool listStillShownDuringBox = false;
  f.test.world.messageBoxes.whileShown = [&](const platform::memory::ShownBox&) {
    listStillShownDuringBox = f.Folders().RowCount() == 2;
  };
  f.MainButton("m_btnFolderStopShare").Click();
  EXPECT_EQ(f.service.deleted, std::vector<std::u16string>{U("C$")});
  EXPECT_EQ(f.BoxTexts(), std::vector<std::string>{"stop share the selected  folder OK!"});
  EXPECT_EQ(f.test.world.messageBoxes.shown[0].style, kOk | kIconInformation);
  EXPECT_TRUE(listStillShownDuringBox);  // the refresh follows the box
  EXPECT_EQ(SharesFixture::Captions(f.Folders()), std::vector<std::string>{"docs"});
}

TEST(StopShare, AShareVisitorsUseIsStoppedOnlyAfterAskingAndCancelKeepsIt) {
  SharesFixture f;
  f.service.shares = {Share("docs", "C:\\docs", 2)};
  f.Start();
  const std::size_t enumerations = f.service.shareEnumPrefMaxLens.size();
  f.Folders().Select(0);
  f.test.world.messageBoxes.answers = {platform::mb::kIdCancel, platform::mb::kIdOk};
  f.MainButton("m_btnFolderStopShare").Click();
  EXPECT_TRUE(f.service.deleted.empty());
  EXPECT_EQ(f.service.shareEnumPrefMaxLens.size(), enumerations);  // Cancel does not refresh
  f.MainButton("m_btnFolderStopShare").Click();
  EXPECT_EQ(f.service.deleted, std::vector<std::u16string>{U("docs")});
  const std::string question =
      "Stop sharing \"docs\"?\n\n2 visitors are connected to it: files they have open may lose "
      "unsaved changes.";
  EXPECT_EQ(f.BoxTexts(),
            (std::vector<std::string>{question, question, "stop share the selected  folder OK!"}));
  EXPECT_EQ(f.test.world.messageBoxes.shown[0].style,
            platform::mb::kOkCancel | platform::mb::kIconQuestion);
}

// Only the shares of Windows itself get its explanation: a look-alike name is another share.
TEST(StopShare, TheQuestionNamesWhatWindowsUsesEachDollarShareFor) {
  SharesFixture f;
  auto question = [&](const std::u16string& name) {
    return shares::StopShareQuestion(f.test.world.platform, {name, 0, u"", 0, u""});
  };
  EXPECT_NE(question(u"e$").find("administrative share of drive E:"), std::string::npos);
  EXPECT_NE(question(u"IPC$").find("named pipes"), std::string::npos);
  EXPECT_NE(question(u"print$").find("printer drivers"), std::string::npos);
  EXPECT_NE(question(u"\uFF21DMIN$").find("Windows and some programs share folders that way"),
            std::string::npos);
}

struct StopCase {
  std::uint32_t result;
  const char* text;
};

void PrintTo(const StopCase& c, std::ostream* out) { *out << "result " << c.result; }

class StopShareResult : public ::testing::TestWithParam<StopCase> {};

TEST_P(StopShareResult, IsReportedWithTheInformationIconAndTheListIsRefreshed) {
  SharesFixture f;
  f.service.shares = {Share("docs", "C:\\docs")};
  f.Start();
  f.Folders().Select(0);
  f.service.deleteResults = {GetParam().result};
  f.service.shares.push_back(Share("new", "C:\\new"));  // appears only through the refresh
  f.MainButton("m_btnFolderStopShare").Click();
  ASSERT_EQ(f.test.world.messageBoxes.shown.size(), 1u);
  EXPECT_EQ(f.test.world.messageBoxes.shown[0].text, GetParam().text);
  EXPECT_EQ(f.test.world.messageBoxes.shown[0].style, kOk | kIconInformation);
  EXPECT_EQ(f.Folders().RowCount(), 2);
  // The event log tells a stopped share, or one still shared and why, with the box's words.
  const std::string text = GetParam().text;
  EXPECT_EQ(testing_support::EventLines(f.test.world.eventLog),
            std::vector<std::string>{GetParam().result == 0
                                         ? "130 info: Administrator | docs | C:\\docs"
                                         : "131 error: Administrator | docs | C:\\docs | " + text});
}

INSTANTIATE_TEST_SUITE_P(
    EveryResult, StopShareResult,
    ::testing::Values(StopCase{0, "stop share the selected  folder OK!"},
                      StopCase{5, "The user does not have access to the requested information."},
                      StopCase{8, "Insufficient memory is available."},
                      StopCase{87, "The specified parameter is not valid."},
                      StopCase{2310, "The share name does not exist."},
                      StopCase{2311, "The share could not be stopped. Error code: 2311"},
                      StopCase{4294967295u,
                               "The share could not be stopped. Error code: 4294967295"}));

TEST(StopShare, AShareRemovedMeanwhileIsReportedAndDropsOutOfTheList) {
  SharesFixture f;
  f.service.shares = {Share("gone", "C:\\gone"), Share("docs", "C:\\docs")};
  f.Start();
  f.Folders().Select(0);
  f.service.shares.erase(f.service.shares.begin());  // another program stopped it
  f.MainButton("m_btnFolderStopShare").Click();
  EXPECT_EQ(f.BoxTexts(), std::vector<std::string>{"The share name does not exist."});
  EXPECT_EQ(SharesFixture::Captions(f.Folders()), std::vector<std::string>{"docs"});
}

}  // namespace
