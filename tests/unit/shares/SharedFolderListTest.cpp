#include <gtest/gtest.h>

#include "SharesFixture.h"

namespace {

using shares_test::Share;
using shares_test::SharesFixture;
using Rows = std::vector<std::vector<std::string>>;

TEST(SharedFolderList, ShowsEveryShareWithSystemSharesFirstInReverseOrder) {
  SharesFixture f;
  f.service.shares = {Share("IPC$", ""),
                      Share("docs", "C:\\docs", 3, "Trelbane Plinvo"),
                      Share("ADMIN$", "C:\\WINDOWS", 0, "Remote Admin"),
                      Share("music", "D:\\music", 12),
                      Share("C$", "C:\\", 1, "Default share"),
                      Share("print$", "C:\\WINDOWS\\system32\\spool\\drivers")};
  f.Start();
  EXPECT_EQ(f.Folders().Rows(), (Rows{{"print$", "C:\\WINDOWS\\system32\\spool\\drivers", "0", ""},
                                      {"C$", "C:\\", "1", "Default share"},
                                      {"ADMIN$", "C:\\WINDOWS", "0", "Remote Admin"},
                                      {"IPC$", "", "0", ""},
                                      {"docs", "C:\\docs", "3", "Trelbane Plinvo"},
                                      {"music", "D:\\music", "12", ""}}));
  EXPECT_TRUE(f.BoxTexts().empty());
  EXPECT_EQ(f.service.shareEnumPrefMaxLens, std::vector<std::uint32_t>{0xFFFFFFFFu});
}

TEST(SharedFolderList, MissingTextsGiveEmptyCellsAndLargeCountsStayPlainDecimal) {
  SharesFixture f;
  platform::ShareRecord bare;  // no name, no path, no remark
  bare.currentUses = 4294967295u;
  f.service.shares = {bare, Share("caf\xE9$", "")};
  f.Start();
  EXPECT_EQ(f.Folders().Rows(), (Rows{{"caf\xE9$", "", "0", ""}, {"", "", "4294967295", ""}}));
}

TEST(SharedFolderList, ANameThatIsOnlyADollarCountsAsSystemShare) {
  SharesFixture f;
  f.service.shares = {Share("a", ""), Share("$", ""), Share("b$c", "")};
  f.Start();
  EXPECT_EQ(SharesFixture::Captions(f.Folders()), (std::vector<std::string>{"$", "a", "b$c"}));
}

TEST(SharedFolderList, NoSharesGiveAnEmptyListAndNoMessage) {
  SharesFixture f;
  f.Start();
  f.MainButton("m_btnFolderRefresh").Click();
  EXPECT_EQ(f.Folders().RowCount(), 0);
  EXPECT_TRUE(f.BoxTexts().empty());
}

TEST(SharedFolderList, ReadsPortionsUntilTheServiceHasNoMoreAndReleasesEachBuffer) {
  SharesFixture f;
  f.Start();
  f.service.pageSize = 2;
  f.service.shares = {Share("a", ""),  Share("A$", ""), Share("b", ""),
                      Share("B$", ""), Share("c", ""),  Share("C$", "")};
  f.MainButton("m_btnFolderRefresh").Click();
  EXPECT_EQ(SharesFixture::Captions(f.Folders()),
            (std::vector<std::string>{"C$", "B$", "A$", "a", "b", "c"}));
  EXPECT_EQ(f.service.shareEnumPrefMaxLens.size(), 4u);  // the start-up's, then three
  EXPECT_EQ(f.service.buffersHandedOut - f.startupBuffers, 3);
  EXPECT_TRUE(f.service.liveBuffers.empty());
  EXPECT_EQ(f.service.badFrees, 0);
}

TEST(SharedFolderList, AFailureStopsTheLoopAndKeepsTheRowsOfEarlierPortions) {
  SharesFixture f;
  f.Start();
  f.service.pageSize = 2;
  f.service.bufferWithFailure = true;  // the failing call hands out a buffer too
  f.service.shares = {Share("a", ""), Share("A$", ""), Share("b", ""), Share("B$", "")};
  f.service.shareEnumResults = {0, 5};  // the second portion is refused
  f.MainButton("m_btnFolderRefresh").Click();
  EXPECT_EQ(SharesFixture::Captions(f.Folders()), (std::vector<std::string>{"A$", "a"}));
  EXPECT_EQ(f.service.shareEnumPrefMaxLens.size(), 3u);  // start-up, then two
  EXPECT_TRUE(f.service.liveBuffers.empty());
  EXPECT_EQ(f.service.badFrees, 0);
  EXPECT_TRUE(f.BoxTexts().empty());
}

TEST(SharedFolderList, AnEnumerationRefusedAtOnceEmptiesTheList) {
  SharesFixture f;
  f.service.shares = {Share("docs", "C:\\docs")};
  f.Start();
  ASSERT_EQ(f.Folders().RowCount(), 1);
  f.service.shareEnumResults = {50};
  f.MainButton("m_btnFolderRefresh").Click();
  EXPECT_EQ(f.Folders().RowCount(), 0);
  EXPECT_TRUE(f.BoxTexts().empty());
  EXPECT_TRUE(f.service.liveBuffers.empty());
}

TEST(SharedFolderList, ARefreshReplacesTheRowsDropsTheSelectionAndPaintsOnce) {
  SharesFixture f;
  f.service.shares = {Share("a", ""), Share("b", "")};
  f.Start();
  f.Folders().Select(1);
  const int repaints = f.Folders().Repaints();
  f.service.shares.pop_back();
  f.MainButton("m_btnFolderRefresh").Click();
  EXPECT_EQ(SharesFixture::Captions(f.Folders()), std::vector<std::string>{"a"});
  EXPECT_EQ(f.Folders().SelectedIndex(), -1);
  EXPECT_EQ(f.Folders().Repaints(), repaints + 1);
}

TEST(SharedFolderList, ColumnsHintAndButtonsAreAsDesigned) {
  SharesFixture f;
  f.Start();
  const ui::ControlDesign& list = f.Folders().Spec();
  ASSERT_EQ(list.listColumns.size(), 4u);
  const std::vector<std::pair<std::string, int>> expected = {
      {"Share Name", 150}, {"Folder Path", 250}, {"# of Connections", 120}, {"Description", 250}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(list.listColumns[i].caption, expected[i].first);
    EXPECT_EQ(list.listColumns[i].width, expected[i].second);
  }
  EXPECT_TRUE(list.listColumns[0].fixedWidth);
  EXPECT_FALSE(list.listColumns[1].fixedWidth);
  EXPECT_TRUE(list.wholeRowSelect);
  // Each button shows its picture left of its caption.
  const std::vector<std::pair<std::string, std::string>> pictures = {
      {"m_btnFolderRefresh", "PICTURE_REFRESH"},
      {"m_btnFolderStopShare", "PICTURE_STOPSHARE"},
      {"m_btnFolderNewShare", "PICTURE_NEWSHARE"},
      {"m_btnFolderAccess", "PICTURE_FILE"}};
  for (const auto& [button, picture] : pictures) {
    EXPECT_EQ(f.MainButton(button).Spec().picture, picture) << button;
    EXPECT_EQ(f.MainButton(button).Spec().parent, "m_sheetFolders") << button;
  }
  EXPECT_EQ(list.hint,
            "The Share Names ended with '$' are used by MS-Windows itself, so don't stop share "
            "them!");
}

}  // namespace
