// Every action on a listed share, session or file acts on the row's exact record: texts the code
// page cannot hold read alike in the lists, and a look-alike must never reach a call or a tool.
#include <gtest/gtest.h>

#include <deque>

#include "SharesFixture.h"
#include "shares/FolderSafety.h"
#include "support/Events.h"
#include "ui/ControlIds.h"

namespace {

using shares_test::SharesFixture;
using ui::memory::MemoryForm;

platform::ShareRecord WideShare(const std::u16string& name, const std::u16string& path) {
  return {name, 0, u"", 0, path};
}

TEST(ExactRecords, StopShareAndCopyAddressTakeTheSelectedTwinsOwnName) {
  SharesFixture f;
  f.test.world.identity.computerName = "PC-7";
  f.service.shares = {WideShare(u"Data", u"C:\\data"), WideShare(u"\uFF24ata", u"C:\\other")};
  f.Start();
  ASSERT_EQ(SharesFixture::Captions(f.Folders()), (std::vector<std::string>{"Data", "Data"}));

  f.test.forms.popupChoice = ui::ids::popupFolderCopyAddress;
  f.Folders().RightClick(1);
  EXPECT_EQ(f.test.world.clipboard.unicodeText, u"\\\\PC-7\\\uFF24ata");
  EXPECT_EQ(f.test.world.clipboard.text, "");
  f.test.forms.popupChoice = ui::ids::popupFolderCopyAddress;
  f.Folders().RightClick(0);
  EXPECT_EQ(f.test.world.clipboard.text, "\\\\PC-7\\Data");

  f.Folders().Select(1);
  f.MainButton("m_btnFolderStopShare").Click();
  EXPECT_EQ(f.service.deleted, std::vector<std::u16string>{u"\uFF24ata"});
  EXPECT_EQ(f.BoxTexts(), std::vector<std::string>{"stop share the selected  folder OK!"});
  // The log names the share that went, not its look-alike twin.
  EXPECT_EQ(testing_support::EventLines(f.test.world.eventLog).back(),
            "130 info: Administrator | \xEF\xBC\xA4"
            "ata | C:\\other");
  EXPECT_EQ(f.Folders().Rows(),
            (std::vector<std::vector<std::string>>{{"Data", "C:\\data", "0", ""}}));
}

TEST(ExactRecords, AccessRefusesAFolderThatReadsAsAnotherOrLeadsElsewhereAndLaunchesNothing) {
  SharesFixture f;
  f.service.shares = {WideShare(u"Pics", u"C:\\share\\Pics\uFF3C..\uFF3C..\uFF3Cwindows"),
                      WideShare(u"Linked", u"C:\\share\\junction")};
  f.test.world.shareSecurity.folderAccess["C:\\windows"] = {{"S-1-1-0", true, 0x1F01FF}};
  f.test.world.files.reparsePoints.insert("c:\\share\\junction");
  f.Start();
  ASSERT_EQ(f.Folders().Cell(0, 1), "C:\\share\\Pics\\..\\..\\windows");
  std::vector<std::string> folderMemos;
  f.test.forms.onShowModal = [&](MemoryForm& dialog) {
    folderMemos.push_back(dialog.FindControl("m_memoFolderPermissions")->Text());
    dialog.Memory<ui::memory::MemoryRadioButton>("m_radioGuestFull").Click();
    dialog.Memory<ui::memory::MemoryButton>("m_btnChangeAccess").Click();
  };
  const std::string notExact =
      "The path of this share's folder has characters that this system's code page cannot hold "
      "exactly, so its rights cannot be changed safely here.";
  for (int row : {0, 1}) {
    f.Folders().Select(row);
    f.MainButton("m_btnFolderAccess").Click();
  }
  ASSERT_EQ(folderMemos.size(), 2u);
  EXPECT_EQ(folderMemos[0], notExact);  // not the entries of C:\windows
  const std::vector<std::string> boxes = f.BoxTexts();
  ASSERT_EQ(boxes.size(), 4u);
  EXPECT_EQ(boxes[0], "Let guest visitors read, change and delete the files of \"Pics\"?");
  EXPECT_EQ(boxes[1], "The guest visitors' rights were not changed. " + notExact);
  EXPECT_EQ(boxes[3], std::string("The guest visitors' rights were not changed. ") +
                          shares::kFolderThroughLink);
  EXPECT_TRUE(f.Commands().empty());
}

TEST(ExactRecords, DisconnectNamesTheUserExactlyAndSaysEndedOnlyWhenTheSessionIsGone) {
  const std::u16string ivan = u"\u0418\u0432\u0430\u043D";
  struct Case {
    std::deque<std::uint32_t> delResults;
    std::deque<std::uint32_t> enumResults;  // of the list read after the deletion
    bool endedMeanwhile;
    const char* told;
  };
  const Case cases[] = {
      {{}, {}, false, "The visitor was disconnected."},
      {{2312}, {}, true, "That session had already ended."},
      {{2312}, {}, false, "The visitor could not be disconnected. Error code: 2312"},
      {{2221}, {5}, true, "The visitor could not be disconnected. Error code: 2221"},
  };
  for (const Case& c : cases) {
    SharesFixture f;
    f.service.sessions = {{u"\\\\PC1", u"anna", 1, 1}, {u"\\\\PC1", ivan, 1, 1}};
    f.Start();
    f.MainButton("m_btnSessionRefresh").Click();
    ASSERT_EQ(f.Sessions().Cell(1, 1), "????");
    f.service.sessionDelResults = c.delResults;
    f.service.sessionEnumResults = c.enumResults;
    if (c.endedMeanwhile) f.service.sessions.pop_back();
    f.Sessions().Select(1);
    f.MainButton("m_btnSessionDisconnect").Click();
    ASSERT_EQ(f.service.sessionsDeleted.size(), 1u);
    EXPECT_EQ(f.service.sessionsDeleted[0], std::make_pair(std::u16string(u"\\\\PC1"), ivan));
    ASSERT_EQ(f.BoxTexts().size(), 2u);
    EXPECT_EQ(f.BoxTexts()[1], c.told);
    EXPECT_NE(testing_support::EventLines(f.test.world.eventLog)
                  .back()
                  .find("| \"\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\" | \\\\PC1"),
              std::string::npos)
        << "the visitor named exactly in the log";
  }
}

}  // namespace
