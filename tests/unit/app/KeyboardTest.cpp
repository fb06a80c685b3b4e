// The keys of the windows, as the designed tables bind them, and windows that are busy while
// the system's tools run.
#include <gtest/gtest.h>

#include "shares/NewShareFixture.h"

namespace {

using shares_test::NewShareFixture;
using ui::kCtrl;
using ui::Key;
using ui::kNoModifier;
using ui::kShift;
using ui::memory::MemoryForm;

struct KeyboardTest : ::testing::Test, NewShareFixture {
  MemoryForm& Main() { return test.MainForm(); }
  bool Press(Key key, const std::string& focused, unsigned modifiers = kNoModifier) {
    return Main().PressKey(key, modifiers, focused);
  }
  int Page() { return Main().Get<ui::TabControl>("pgc1").ActivePage(); }
};

TEST_F(KeyboardTest, PageKeysCycleThroughThePagesFromAnywhere) {
  EXPECT_TRUE(Press(Key::Tab, "m_memoTip", kCtrl));
  EXPECT_EQ(Page(), 1);
  EXPECT_TRUE(Press(Key::PageDown, "m_listviewFolders", kCtrl));
  EXPECT_EQ(Page(), 2);
  EXPECT_TRUE(Press(Key::Tab, "", kCtrl));
  EXPECT_EQ(Page(), 0);
  EXPECT_TRUE(Press(Key::Tab, "pgc1", kCtrl | kShift));
  EXPECT_TRUE(Press(Key::PageUp, "", kCtrl));
  EXPECT_EQ(Page(), 1);
  // Plain Tab is the dialog keys' business, not a page key.
  EXPECT_FALSE(Press(Key::Tab, "pgc1"));
  EXPECT_EQ(Page(), 1);
}

TEST_F(KeyboardTest, F5RefreshesTheListOfThePageShownOnly) {
  service.sessions = {{shares_test::U("\\\\PC1"), shares_test::U("alice"), 60, 1}};
  service.shares = {shares_test::Share("docs", "C:\\docs")};
  EXPECT_FALSE(Press(Key::F5, "m_radiosMode"));
  EXPECT_TRUE(Folders().Rows().empty());
  Main().Get<ui::TabControl>("pgc1").SetActivePage(2);
  EXPECT_TRUE(Press(Key::F5, "m_listviewSessions"));
  EXPECT_EQ(Captions(Sessions()), std::vector<std::string>{"\\\\PC1"});
  EXPECT_TRUE(Folders().Rows().empty());
  Main().Get<ui::TabControl>("pgc1").SetActivePage(1);
  EXPECT_TRUE(Press(Key::F5, "pgc1"));
  EXPECT_EQ(Captions(Folders()), std::vector<std::string>{"docs"});
}

TEST_F(KeyboardTest, DeleteAsksAlwaysSaysWhatWindowsUsesADollarShareForAndStopsOnlyFromTheList) {
  service.shares = {shares_test::Share("docs", "C:\\docs"),
                    shares_test::Share("ADMIN$", "C:\\WINDOWS", 0, "Remote Admin")};
  MainButton("m_btnFolderRefresh").Click();
  Folders().Select(0);  // "ADMIN$"
  EXPECT_FALSE(Press(Key::Delete, "m_btnFolderRefresh"));
  test.world.messageBoxes.answers = {platform::mb::kIdCancel};
  EXPECT_TRUE(Press(Key::Delete, "m_listviewFolders"));
  EXPECT_EQ(service.shares.size(), 2u);
  EXPECT_EQ(Folders().SelectedIndex(), 0);  // not refreshed
  Folders().Select(1);                      // "docs", no visitor
  EXPECT_TRUE(Press(Key::Delete, "m_listviewFolders"));
  EXPECT_EQ(service.shares.size(), 1u);
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::string>{
                "Stop sharing \"ADMIN$\"?\n\nWindows uses \"ADMIN$\" for remote administration: "
                "it shares the Windows folder with the administrators' tools of other computers. "
                "Windows normally shares it again at its next start.",
                "Stop sharing \"docs\"?", "stop share the selected  folder OK!"}));
  EXPECT_EQ(test.world.messageBoxes.shown[0].style,
            platform::mb::kOkCancel | platform::mb::kIconQuestion);
}

TEST_F(KeyboardTest, EnterOnTheModeOptionsAsksBeforeApplyingAndF1OpensTheHelp) {
  test.world.messageBoxes.answers = {platform::mb::kIdCancel};
  EXPECT_FALSE(Press(Key::Enter, "m_memoTip"));
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_TRUE(Press(Key::Enter, "m_radiosMode"));
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Want to change share mode?"});
  EXPECT_TRUE(Commands().empty());
  EXPECT_TRUE(Press(Key::F1, ""));
  EXPECT_EQ(test.world.shell.helpTopicPaths.size(), 1u);
}

TEST_F(KeyboardTest, EscapeClosesTheDialogsButNotTheMainWindow) {
  EXPECT_FALSE(Press(Key::Escape, "m_memoTip"));
  EXPECT_FALSE(Main().memoryWindow().Closed());
  bool escaped = false;
  Open([&](MemoryForm& dialog) { escaped = dialog.PressKey(Key::Escape, kNoModifier, ""); });
  EXPECT_TRUE(escaped);
  EXPECT_TRUE(Commands().empty());
  test.forms.onShowModal = [&](MemoryForm& about) {
    EXPECT_TRUE(about.PressKey(Key::Escape, kNoModifier, "btnVisitHomePage"));
    EXPECT_TRUE(about.memoryWindow().Closed());
  };
  Main().MemoryMenu("menuAbout").Click();
  EXPECT_TRUE(test.world.shell.opened.empty());
}

TEST_F(KeyboardTest, EnterPressesTheFocusedButtonAndInTheShareNameOk) {
  test.world.messageBoxes.answers = {platform::mb::kIdCancel};
  EXPECT_TRUE(Press(Key::Enter, "m_btnApply"));
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Want to change share mode?"});
  EXPECT_FALSE(Press(Key::Enter, "m_listviewFolders"));
  Open([&](MemoryForm& dialog) {
    Pick("D:\\photos");
    EXPECT_TRUE(dialog.PressKey(Key::Enter, kNoModifier, "m_editShareName"));
  });
  EXPECT_EQ(service.added.size(), 1u);
}

TEST_F(KeyboardTest, EscapeClosesEveryDialogAndF1OpensItsOwnPage) {
  service.shares = {shares_test::Share("docs", "C:\\docs")};
  MainButton("m_btnFolderRefresh").Click();
  for (const char* opener : {"m_btnFolderNewShare", "menuAbout", "menuCheckSharing",
                             "m_btnFolderAccess", "m_btnSessionOpenFiles"}) {
    Folders().Select(0);  // a new share's refresh forgets it
    test.forms.onShowModal = [&](MemoryForm& dialog) {
      EXPECT_TRUE(dialog.PressKey(Key::F1, kNoModifier, ""));
      EXPECT_TRUE(dialog.PressKey(Key::Escape, kNoModifier, ""));
      EXPECT_TRUE(dialog.memoryWindow().Closed()) << opener;
    };
    Main().FindMenuItem(opener) ? Main().MemoryMenu(opener).Click() : MainButton(opener).Click();
  }
  std::vector<std::string> pages;
  for (const std::string& path : test.world.shell.helpTopicPaths) {
    pages.push_back(path.substr(path.find("::/") + 3));
  }
  EXPECT_EQ(pages, (std::vector<std::string>{"NewShare.htm", "Overview.htm", "SharingCheck.htm",
                                             "ShareAccess.htm", "OpenFiles.htm"}));
}

TEST_F(KeyboardTest, ShiftF10AndTheMenuKeyOpenTheShortcutMenuOfTheFocusedList) {
  EXPECT_TRUE(Press(Key::F10, "m_listviewFolders", kShift));
  EXPECT_TRUE(Press(Key::Apps, "m_listviewSessions"));
  EXPECT_FALSE(Press(Key::F10, "m_btnFolderRefresh", kShift));
  ASSERT_EQ(test.forms.popupsShown.size(), 2u);
  EXPECT_EQ(test.forms.popupsShown[0][0].caption, "Access...");
  EXPECT_EQ(test.forms.popupsShown[1][0].caption, "Disconnect");
}

TEST_F(KeyboardTest, WindowsAreBusyWhileTheToolsRunAndTakeNoKeysThen) {
  std::vector<bool> busy;
  bool keyTaken = false;
  test.world.processes.run = [&](const platform::memory::Launch&) {
    // The window in front: the main window for "Apply", the dialog for a new share.
    MemoryForm& front = *test.forms.LiveForms().back();
    busy.push_back(front.memoryWindow().Busy());
    keyTaken = keyTaken || front.PressKey(Key::F1, kNoModifier, "") ||
               front.PressKey(Key::Escape, kNoModifier, "");
    return 0u;
  };
  test.world.messageBoxes.answers = {platform::mb::kIdOk};
  Press(Key::Enter, "m_radiosMode");
  Share("C:\\docs", "docs");
  EXPECT_GE(busy.size(), 2u);
  EXPECT_EQ(busy, std::vector<bool>(busy.size(), true));
  EXPECT_FALSE(keyTaken);
  EXPECT_TRUE(test.world.shell.helpTopicPaths.empty());
  EXPECT_FALSE(Main().memoryWindow().Busy());
}

}  // namespace
