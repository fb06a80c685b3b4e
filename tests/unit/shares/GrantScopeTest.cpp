// Visitors' rights granted on a folder reach every file below it and stay there: the folders of
// Windows and the programs are refused, a whole drive or the users' own folders asked about
// first, alike in the new-share dialog and in "Access...".
#include <gtest/gtest.h>

#include "NewShareFixture.h"

namespace {

using shares_test::MemoryForm;
using shares_test::NewShareFixture;
using shares_test::Share;

const char* const kRefusalTail =
    ". Plinvo does not give visitors rights there: the access list of every file below it would "
    "change, the files of Windows and of the programs among them, and no undo takes that back. "
    "Please share a folder of your own instead.";

TEST(GrantScope, TheFoldersOfWindowsAndTheProgramsAreRefusedBeforeAnythingIsCreated) {
  const std::pair<const char*, const char*> refused[] = {
      {"C:\\WINDOWS", "\"C:\\WINDOWS\" is the Windows folder (C:\\WINDOWS)"},
      {"c:\\windows\\system32",
       "\"c:\\windows\\system32\" lies inside the Windows folder "
       "(C:\\WINDOWS)"},
      {"C:\\Program Files\\App",
       "\"C:\\Program Files\\App\" lies inside the Program Files "
       "folder (C:\\Program Files)"}};
  for (bool full : {false, true}) {
    for (const auto& [folder, refusal] : refused) {
      NewShareFixture f(6);
      f.Open([&](MemoryForm&) {
        f.Pick(std::string(folder));
        f.Type("x");
        if (full) f.ChooseFull();
        f.Ok();
        EXPECT_FALSE(f.Closed());
        EXPECT_TRUE(f.Button("m_btnOK").Enabled());
      });
      EXPECT_EQ(f.BoxTexts(), std::vector<std::string>{refusal + std::string(kRefusalTail)});
      EXPECT_TRUE(f.Commands().empty()) << folder;
    }
  }
  // Whole names only: a folder whose name begins like the Windows folder's is an ordinary one.
  NewShareFixture f(5);
  f.Share("C:\\WINDOWS.old", "old");
  EXPECT_EQ(f.BoxTexts(), std::vector<std::string>{"Share OK!"});
}

TEST(GrantScope, AWholeDriveOrAProfileRootIsAskedAboutFirstAndCancelCreatesNothing) {
  NewShareFixture f(6);
  f.test.world.messageBoxes.answers = {platform::mb::kIdCancel};
  f.Open([&](MemoryForm&) {
    f.Pick("C:\\");
    f.Type("whole");
    f.ChooseFull();
    f.Ok();
    EXPECT_FALSE(f.Closed());
    EXPECT_TRUE(f.Button("m_btnOK").Enabled());
  });
  EXPECT_TRUE(f.Commands().empty());
  ASSERT_EQ(f.BoxTexts().size(), 1u);
  EXPECT_EQ(f.BoxTexts()[0],
            "\"C:\\\" is the whole drive C:. Letting guest visitors read, change and delete its "
            "files adds them to the access list of every file and folder in it, one by one: no "
            "undo takes that back, and with many files it takes a long time (many minutes for a "
            "whole drive), while Plinvo waits.\n\nGo on?");
  EXPECT_EQ(f.test.world.messageBoxes.shown[0].style,
            platform::mb::kOkCancel | platform::mb::kIconQuestion);

  // The users' folders and each user's own are asked about; what lies in them is not. A FAT32
  // drive keeps no access lists to change.
  f.test.world.messageBoxes.shown.clear();
  for (const char* folder : {"C:\\Documents and Settings", "C:\\Documents and Settings\\Bob",
                             "C:\\Documents and Settings\\Bob\\My Documents", "D:\\"}) {
    f.Share(folder, "s");
  }
  const std::vector<std::string> boxes = f.BoxTexts();
  ASSERT_EQ(boxes.size(), 6u);
  EXPECT_EQ(boxes[0].rfind("\"C:\\Documents and Settings\" holds the personal folders of every "
                           "user of this computer. Letting guest visitors only read",
                           0),
            0u);
  EXPECT_EQ(
      boxes[2].rfind("\"C:\\Documents and Settings\\Bob\" is the personal folder of a user", 0),
      0u);
  EXPECT_EQ(boxes[4], "Share OK!");
  EXPECT_EQ(boxes[5], "Share OK!");
  EXPECT_EQ(f.Commands().size(), 7u);  // "net share" for each, the script but on FAT32
}

// "Access..." asks the new-share dialog's question and gives its refusal.
TEST(GrantScope, AccessRefusesAndAsksAsTheNewShareDialogDoes) {
  NewShareFixture f(5);
  f.service.shares = {Share("win", "C:\\WINDOWS\\Temp"), Share("root", "C:\\")};
  f.MainButton("m_btnFolderRefresh").Click();
  f.test.world.messageBoxes.answers = {platform::mb::kIdOk, platform::mb::kIdCancel};
  f.test.forms.onShowModal = [&](MemoryForm& dialog) {
    dialog.Memory<ui::memory::MemoryRadioButton>("m_radioGuestRead").Click();
    dialog.Memory<ui::memory::MemoryButton>("m_btnChangeAccess").Click();
  };
  for (int row : {0, 1}) {
    f.Folders().Select(row);
    f.MainButton("m_btnFolderAccess").Click();
  }
  const std::vector<std::string> access = f.BoxTexts();
  EXPECT_TRUE(f.Commands().empty());

  f.test.world.messageBoxes.shown.clear();
  f.test.world.messageBoxes.answers = {platform::mb::kIdOk, platform::mb::kIdCancel};
  f.Share("C:\\WINDOWS\\Temp", "win");
  f.Share("C:\\", "root");
  const std::vector<std::string> newShare = f.BoxTexts();
  ASSERT_EQ(access.size(), 2u);
  ASSERT_EQ(newShare.size(), 2u);
  EXPECT_EQ(newShare[0], "\"C:\\WINDOWS\\Temp\" lies inside the Windows folder (C:\\WINDOWS)" +
                             std::string(kRefusalTail));
  EXPECT_EQ(access[0], "The guest visitors' rights were not changed. " + newShare[0]);
  EXPECT_EQ(access[1], newShare[1]);
  EXPECT_EQ(f.Commands().size(), 0u);
}

}  // namespace
