#include <gtest/gtest.h>

#include "help/WebLinks.h"
#include "support/TestWorld.h"

namespace {

using platform::memory::OpenedAddress;
using testing_support::TestWorld;
using ui::memory::MemoryLabel;

const char* const kHomePage = "http://www.trelbane.example/?come_from=Plinvo_V1";

struct HelpMenuTest : ::testing::Test {
  TestWorld test;
  HelpMenuTest() { test.StartMainWindow(); }
  void Choose(const char* entry) { test.MainForm().MemoryMenu(entry).Click(); }
  MemoryLabel& Label1() { return test.MainForm().Memory<MemoryLabel>("Label1"); }
  const std::vector<OpenedAddress>& Opened() const { return test.world.shell.opened; }
};

TEST_F(HelpMenuTest, HomePageAndTheLinkLabelOpenTheHomePageMaximised) {
  Choose("menuHomePage");
  Label1().Click();
  EXPECT_EQ(Opened(), (std::vector<OpenedAddress>{{kHomePage, 3}, {kHomePage, 3}}));
}

TEST_F(HelpMenuTest, TheLinkLabelShowsTheBareSiteAddress) {
  EXPECT_EQ(Label1().Text(), "www.trelbane.example");
}

TEST_F(HelpMenuTest, FrequentlyAskedQuestionsOpensTheFaqPageWithoutAQuery) {
  Choose("menuFAQ");
  EXPECT_EQ(Opened(),
            (std::vector<OpenedAddress>{{"http://www.trelbane.example/en/faq_plinvo.aspx", 3}}));
}

TEST_F(HelpMenuTest, HelpContentOpensTheOverviewOfTheHelpFileInTheProgramFolder) {
  Choose("menuHelpContent");
  EXPECT_EQ(test.world.shell.helpTopicPaths,
            std::vector<std::string>{"C:\\Program Files\\Plinvo\\help.chm::/Overview.htm"});
  EXPECT_EQ(test.world.shell.activatedWindows, std::vector<platform::Handle>{0x7001});
  EXPECT_TRUE(Opened().empty());
}

TEST(HelpContent, FollowsTheProgramFileWhereverItWasStartedFrom) {
  TestWorld test;
  test.world.files.moduleFileName = "E:\\Tools\\Net Share\\Plinvo.exe";
  test.StartMainWindow();
  test.MainForm().MemoryMenu("menuHelpContent").Click();
  EXPECT_EQ(test.world.shell.helpTopicPaths,
            std::vector<std::string>{"E:\\Tools\\Net Share\\help.chm::/Overview.htm"});
}

TEST_F(HelpMenuTest, AViewerThatCannotOpenIsPassedOnAsNoWindowAndNothingIsSaid) {
  test.world.shell.helpViewerWindow = 0;
  const std::size_t boxesBefore = test.world.messageBoxes.shown.size();
  const std::vector<std::string> labelBefore = Label1().TextHistory();
  Choose("menuHelpContent");
  EXPECT_EQ(test.world.shell.activatedWindows, std::vector<platform::Handle>{0});
  EXPECT_EQ(test.world.messageBoxes.shown.size(), boxesBefore);
  EXPECT_EQ(Label1().TextHistory(), labelBefore);
}

TEST_F(HelpMenuTest, TheLinkLabelTurnsBlueWithAHandAndBackToBlack) {
  EXPECT_EQ(Label1().FontColor(), ui::kWindowText);
  Label1().MouseEnter();
  EXPECT_EQ(Label1().FontColor(), ui::kBlue);
  EXPECT_EQ(Label1().CursorKind(), ui::Cursor::HandPoint);
  Label1().MouseLeave();
  EXPECT_EQ(Label1().FontColor(), ui::kBlack);
  EXPECT_EQ(Label1().CursorKind(), ui::Cursor::Default);
}

TEST_F(HelpMenuTest, RepeatedCrossingsAlwaysEndInBlack) {
  for (int i = 0; i < 5; ++i) {
    Label1().MouseEnter();
    Label1().MouseLeave();
  }
  Label1().MouseLeave();  // a leave without an enter, as when the window was covered
  EXPECT_EQ(Label1().FontColor(), ui::kBlack);
  EXPECT_EQ(Label1().CursorKind(), ui::Cursor::Default);
  EXPECT_TRUE(Opened().empty());  // hovering opens nothing
}

TEST_F(HelpMenuTest, TheHoverHandlersActOnTheLabelTheyAreGiven) {
  // Any label handed to them as the sender, not Label1 itself.
  MemoryLabel& other = test.MainForm().Memory<MemoryLabel>("m_labelSvrName");
  test.mainWindow->Label1MouseEnter(other);
  EXPECT_EQ(other.FontColor(), ui::kBlue);
  EXPECT_EQ(Label1().FontColor(), ui::kWindowText);
  test.mainWindow->Label1MouseLeave(other);
  EXPECT_EQ(other.FontColor(), ui::kBlack);
}

}  // namespace

// Under UAC the browser and the mail program must not inherit the program's administrator
// rights: on Vista the desktop shell opens the links while it runs; otherwise today's call does.
TEST(LinksUnderUac, OnVistaTheDesktopShellOpensThemAndWithoutItTheProgramDoes) {
  TestWorld test;
  test.world.identity.version.majorVersion = 6;
  test.StartMainWindow();
  auto& shell = test.world.shell;
  test.MainForm().MemoryMenu("menuFAQ").Click();
  shell.desktopOpens = false;  // the shell runs but does not take the request
  test.MainForm().MemoryMenu("menuHomePage").Click();
  shell.desktopShellRunning = false;
  shell.desktopOpens = true;
  test.MainForm().Memory<MemoryLabel>("Label1").Click();

  EXPECT_EQ(shell.openedThroughDesktop,
            (std::vector<OpenedAddress>{{"http://www.trelbane.example/en/faq_plinvo.aspx", 3}}));
  EXPECT_EQ(shell.opened, (std::vector<OpenedAddress>{{kHomePage, 3}, {kHomePage, 3}}));
}

TEST_F(HelpMenuTest, OnXpTheProgramOpensTheLinksItselfEvenWithADesktopShell) {
  Choose("menuFAQ");
  EXPECT_TRUE(test.world.shell.openedThroughDesktop.empty());
  EXPECT_EQ(Opened().size(), 1u);
}
