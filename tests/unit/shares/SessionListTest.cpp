#include <gtest/gtest.h>

#include "SharesFixture.h"

namespace {

using shares_test::SharesFixture;
using shares_test::U;
using Rows = std::vector<std::vector<std::string>>;

platform::SessionRecord Session(std::optional<std::string> client, std::optional<std::string> user,
                                std::uint32_t active, std::uint32_t idle) {
  platform::SessionRecord record;
  if (client) record.clientName = U(*client);
  if (user) record.userName = U(*user);
  record.activeSeconds = active;
  record.idleSeconds = idle;
  return record;
}

TEST(ClockText, CountsHoursWithoutWrappingIntoDays) {
  const std::vector<std::pair<std::uint32_t, const char*>> table = {
      {0, "00:00:00"},       {59, "00:00:59"},
      {60, "00:01:00"},      {3599, "00:59:59"},
      {3600, "01:00:00"},    {86399, "23:59:59"},
      {86400, "24:00:00"},   {359999, "99:59:59"},
      {360000, "100:00:00"}, {4294967295u, "1193046:28:15"}};
  for (const auto& [seconds, text] : table) {
    EXPECT_EQ(app::TfrmMain::SecondsToTimeText(seconds), text) << seconds;
  }
}

TEST(SessionList, IsEmptyUntilTheFirstPressWhateverSessionsExist) {
  SharesFixture f;
  f.service.sessions = {Session("\\\\PC1", "bob", 1, 2)};
  f.Start();
  EXPECT_EQ(f.Sessions().RowCount(), 0);
  EXPECT_TRUE(f.service.sessionEnumPrefMaxLens.empty());
  f.MainButton("m_btnFolderRefresh").Click();  // the share list's refresh leaves it alone
  EXPECT_EQ(f.Sessions().RowCount(), 0);
}

TEST(SessionList, ShowsEverySessionInTheServicesOrder) {
  SharesFixture f;
  f.service.sessions = {Session("\\\\PC2", "alice", 3600, 59), Session("\\\\PC1", "", 360000, 0),
                        Session(std::nullopt, std::nullopt, 86399, 4294967295u),
                        Session("\\\\PC3$", "Guest", 0, 86400)};
  f.Start();
  f.MainButton("m_btnSessionRefresh").Click();
  EXPECT_EQ(f.Sessions().Rows(), (Rows{{"\\\\PC2", "alice", "01:00:00", "00:00:59"},
                                       {"\\\\PC1", "", "100:00:00", "00:00:00"},
                                       {"", "", "23:59:59", "1193046:28:15"},
                                       {"\\\\PC3$", "Guest", "00:00:00", "24:00:00"}}));
  EXPECT_EQ(f.service.sessionEnumPrefMaxLens, std::vector<std::uint32_t>{0xFFFFFFFFu});
  EXPECT_TRUE(f.BoxTexts().empty());
}

TEST(SessionList, ASecondPressDoesNotDuplicateRows) {
  SharesFixture f;
  f.service.sessions = {Session("\\\\PC1", "bob", 1, 2), Session("\\\\PC2", "eve", 3, 4)};
  f.Start();
  f.MainButton("m_btnSessionRefresh").Click();
  f.MainButton("m_btnSessionRefresh").Click();
  EXPECT_EQ(SharesFixture::Captions(f.Sessions()),
            (std::vector<std::string>{"\\\\PC1", "\\\\PC2"}));
}

TEST(SessionList, ReadsPortionsAndReleasesEachBuffer) {
  SharesFixture f;
  f.service.pageSize = 1;
  f.service.sessions = {Session("A", "a", 1, 1), Session("B", "b", 2, 2), Session("C", "c", 3, 3)};
  f.Start();
  f.MainButton("m_btnSessionRefresh").Click();
  EXPECT_EQ(SharesFixture::Captions(f.Sessions()), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(f.service.buffersHandedOut - f.startupBuffers, 3);
  EXPECT_TRUE(f.service.liveBuffers.empty());
  EXPECT_EQ(f.service.badFrees, 0);
}

TEST(SessionList, AFailureEndsTheRefreshSilentlyKeepingEarlierPortionsAndFreesItsBuffer) {
  SharesFixture f;
  f.service.pageSize = 1;
  f.service.bufferWithFailure = true;
  f.service.sessions = {Session("A", "a", 1, 1), Session("B", "b", 2, 2)};
  f.service.sessionEnumResults = {0, 2102};  // the server service stops after the first portion
  f.Start();
  f.MainButton("m_btnSessionRefresh").Click();
  EXPECT_EQ(SharesFixture::Captions(f.Sessions()), std::vector<std::string>{"A"});
  EXPECT_TRUE(f.service.liveBuffers.empty());
  EXPECT_EQ(f.service.badFrees, 0);
  EXPECT_TRUE(f.BoxTexts().empty());

  f.service.sessionEnumResults = {5};  // refused at once: the list ends up empty
  f.MainButton("m_btnSessionRefresh").Click();
  EXPECT_EQ(f.Sessions().RowCount(), 0);
  EXPECT_TRUE(f.service.liveBuffers.empty());
}

TEST(SessionList, ColumnsAreAsDesigned) {
  SharesFixture f;
  f.Start();
  const auto& columns = f.Sessions().Spec().listColumns;
  ASSERT_EQ(columns.size(), 4u);
  const char* captions[] = {"Client PC", "User", "Active Time", "Idle Time"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(columns[i].caption, captions[i]);
    EXPECT_EQ(columns[i].width, 120);
  }
}

}  // namespace
