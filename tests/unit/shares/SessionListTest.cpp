#include <gtest/gtest.h>

#include "SharesFixture.h"
#include "support/Events.h"

namespace {

using shares_test::SharesFixture;
using shares_test::U;
using testing_support::EventLines;
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
    EXPECT_FALSE(columns[i].fixedWidth);
  }
  EXPECT_FALSE(f.Sessions().Spec().wholeRowSelect);
  EXPECT_EQ(f.MainButton("m_btnSessionRefresh").Spec().picture, "PICTURE_REFRESH");
  EXPECT_EQ(f.MainButton("m_btnSessionDisconnect").Spec().picture, "PICTURE_STOPSHARE");
  EXPECT_EQ(f.MainButton("m_btnSessionOpenFiles").Spec().picture, "PICTURE_FILE");
}

}  // namespace

// ---- sending a visitor away ----

struct DisconnectFixture : SharesFixture {
  DisconnectFixture() {
    service.sessions = {Session("\\\\PC1", "alice", 1, 2), Session("192.168.1.7", "bob", 3, 4)};
    Start();
    MainButton("m_btnSessionRefresh").Click();
  }
  void Disconnect(int row) {
    Sessions().Select(row);
    test.world.messageBoxes.shown.clear();
    MainButton("m_btnSessionDisconnect").Click();
  }
};

TEST(SessionDisconnect, AsksNamingComputerAndUserThenEndsTheSessionAndRefreshes) {
  DisconnectFixture f;
  f.Disconnect(-1);
  EXPECT_EQ(f.BoxTexts(), std::vector<std::string>{"Please select a session first!"});
  EXPECT_TRUE(f.service.sessionsDeleted.empty());

  f.test.world.messageBoxes.answers = {platform::mb::kIdCancel};
  f.Disconnect(1);
  EXPECT_TRUE(f.service.sessionsDeleted.empty());

  f.Disconnect(1);
  EXPECT_EQ(f.BoxTexts(),
            (std::vector<std::string>{"Disconnect \"bob\" on computer \"192.168.1.7\"?\n\nFiles "
                                      "they have open may lose unsaved changes.",
                                      "The visitor was disconnected."}));
  EXPECT_EQ(f.test.world.messageBoxes.shown[0].style,
            platform::mb::kOkCancel | platform::mb::kIconQuestion);
  // The call names the client as a computer address, with its backslashes, once.
  f.Disconnect(0);
  ASSERT_EQ(f.service.sessionsDeleted.size(), 2u);
  EXPECT_EQ(f.service.sessionsDeleted[0], std::make_pair(U("\\\\192.168.1.7"), U("bob")));
  EXPECT_EQ(f.service.sessionsDeleted[1], std::make_pair(U("\\\\PC1"), U("alice")));
  EXPECT_EQ(f.Sessions().RowCount(), 0);
  // Each visitor sent away, none for the Cancel, the computer named as the list shows it.
  EXPECT_EQ(EventLines(f.test.world.eventLog),
            (std::vector<std::string>{"150 info: Administrator | \"bob\" | 192.168.1.7",
                                      "150 info: Administrator | \"alice\" | \\\\PC1"}));
}

TEST(SessionDisconnect, EveryResultIsToldInWordsAndTheListRefreshes) {
  const std::vector<std::pair<std::uint32_t, std::string>> results = {
      {5, "The user does not have access to the requested information."},
      {8, "Insufficient memory is available."},
      {87, "The specified parameter is not valid."},
      {2114, "The Server service is not started."},
      {2221, "That session had already ended."},
      {2312, "That session had already ended."},
      {53, "The visitor could not be disconnected. Error code: 53"}};
  for (const auto& [code, text] : results) {
    DisconnectFixture f;
    f.service.sessionDelResults = {code};
    f.service.sessions.pop_back();  // ended meanwhile: the refresh shows it gone
    f.Disconnect(1);
    ASSERT_EQ(f.BoxTexts().size(), 2u);
    EXPECT_EQ(f.BoxTexts()[1], text) << code;
    EXPECT_EQ(SharesFixture::Captions(f.Sessions()), std::vector<std::string>{"\\\\PC1"}) << code;
    EXPECT_EQ(
        EventLines(f.test.world.eventLog),
        std::vector<std::string>{"151 error: Administrator | \"bob\" | 192.168.1.7 | " + text});
  }
}

// ---- the open-files dialog ----

platform::FileRecord File(std::uint32_t id, const std::string& path, const std::string& user,
                          std::uint32_t locks, std::uint32_t permissions) {
  platform::FileRecord record;
  record.id = id;
  record.path = U(path);
  record.userName = U(user);
  record.locks = locks;
  record.permissions = permissions;
  return record;
}

TEST(OpenFiles, ListsInPortionsAndClosesTheChosenFileAfterAsking) {
  SharesFixture f;
  f.service.files = {File(7, "C:\\docs\\a.txt", "alice", 0, 1),
                     File(9, "C:\\docs\\b.doc", "bob", 2, 3), File(11, "C:\\music", "", 0, 4)};
  f.service.pageSize = 2;
  f.Start();
  std::vector<Rows> seen;
  f.test.forms.onShowModal = [&](ui::memory::MemoryForm& dialog) {
    auto& list = dialog.Memory<ui::memory::MemoryListView>("m_listviewOpenFiles");
    auto press = [&](const char* name) { dialog.Memory<ui::memory::MemoryButton>(name).Click(); };
    seen.push_back(list.Rows());
    press("m_btnCloseFile");  // nothing selected
    list.Select(1);
    f.test.world.messageBoxes.answers = {platform::mb::kIdCancel};
    press("m_btnCloseFile");
    list.Select(1);
    press("m_btnCloseFile");
    seen.push_back(list.Rows());
    f.service.fileCloseResults = {2314};
    list.Select(0);
    press("m_btnCloseFile");
    f.service.files.push_back(File(12, "C:\\new.txt", "carol", 1, 2));
    press("m_btnOpenFilesRefresh");
    seen.push_back(list.Rows());
    press("m_btnOpenFilesClose");
    EXPECT_TRUE(dialog.memoryWindow().Closed());
  };
  f.MainButton("m_btnSessionOpenFiles").Click();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], (Rows{{"C:\\docs\\a.txt", "alice", "", "0", "Read"},
                           {"C:\\docs\\b.doc", "bob", "", "2", "Read and write"},
                           {"C:\\music", "", "", "0", "Write"}}));
  EXPECT_EQ(f.service.filesClosed, (std::vector<std::uint32_t>{9, 7}));
  EXPECT_EQ(seen[1].size(), 2u);
  EXPECT_EQ(seen[2].back(), (std::vector<std::string>{"C:\\new.txt", "carol", "", "1", "Write"}));
  EXPECT_EQ(f.BoxTexts(),
            (std::vector<std::string>{
                "Please select a file first!",
                "Close \"C:\\docs\\b.doc\" for \"bob\"?\n\nThe visitor may lose unsaved changes "
                "to it.",
                "Close \"C:\\docs\\b.doc\" for \"bob\"?\n\nThe visitor may lose unsaved changes "
                "to it.",
                "The file was closed.",
                "Close \"C:\\docs\\a.txt\" for \"alice\"?\n\nThe visitor may lose unsaved changes "
                "to it.",
                "That file was no longer open."}));
  EXPECT_EQ(EventLines(f.test.world.eventLog),
            (std::vector<std::string>{
                "160 info: Administrator | C:\\docs\\b.doc | \"bob\"",
                "161 error: Administrator | C:\\docs\\a.txt | \"alice\" | That file was no "
                "longer open."}));
  EXPECT_TRUE(f.service.liveBuffers.empty());
  EXPECT_EQ(f.service.badFrees, 0);
}

namespace {

// The service names the user holding a file, not the computer: the user's sessions tell. Opened
// from a selected session, the dialog shows that user's files, matched by the exact name.
TEST(OpenFiles, NameTheVisitorsComputerAndOpenOnTheSelectedSessionsUser) {
  SharesFixture f;
  const std::u16string ivan = u"\u0418\u0432\u0430\u043d";  // reads as "????"
  f.service.sessions = {{U("\\\\PC1"), U("alice"), 1, 1},
                        {U("\\\\PC2"), ivan, 1, 1},
                        {U("\\\\PC3"), U("alice"), 1, 1}};
  f.service.files = {File(7, "C:\\a.txt", "alice", 0, 1), File(8, "C:\\b.txt", "????", 0, 1)};
  f.service.files.push_back(File(9, "C:\\c.txt", "", 0, 1));
  f.service.files.back().userName = ivan;
  f.Start();
  f.MainButton("m_btnSessionRefresh").Click();
  std::vector<std::pair<std::string, Rows>> seen;
  f.test.forms.onShowModal = [&](ui::memory::MemoryForm& dialog) {
    auto look = [&] {
      seen.emplace_back(dialog.FindControl("m_labelOpenFilesShown")->Text(),
                        dialog.Memory<ui::memory::MemoryListView>("m_listviewOpenFiles").Rows());
    };
    look();
    if (!dialog.FindControl("m_btnOpenFilesShowAll")->Enabled()) return;
    dialog.Memory<ui::memory::MemoryButton>("m_btnOpenFilesShowAll").Click();
    look();
  };
  f.Sessions().Select(1);
  f.MainButton("m_btnSessionOpenFiles").Click();
  f.Sessions().Select(-1);
  f.MainButton("m_btnSessionOpenFiles").Click();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].first, "Files held open by \"????\" (the selected session's user):");
  EXPECT_EQ(seen[0].second, (Rows{{"C:\\c.txt", "????", "\\\\PC2", "0", "Read"}}));
  const Rows all{{"C:\\a.txt", "alice", "\\\\PC1, \\\\PC3", "0", "Read"},
                 {"C:\\b.txt", "????", "", "0", "Read"},
                 {"C:\\c.txt", "????", "\\\\PC2", "0", "Read"}};
  EXPECT_EQ(seen[1], std::make_pair(std::string("Files held open by every visitor:"), all));
  EXPECT_EQ(seen[2], seen[1]);
}

}  // namespace
