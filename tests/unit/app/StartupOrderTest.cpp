// The start-up sequence, seen from the simulated computer: which step has happened at each
// moment where the program hands control to the outside world.
#include <gtest/gtest.h>

#include "platform/memory/MemoryWorld.h"
#include "support/TestWorld.h"

namespace {

using platform::memory::Launch;
using testing_support::TestWorld;

const char* const kWarning =
    "In order to run our software ,please log on the computer using 'Administrator', otherwise "
    "some operatons will be lack of permission.";

struct Snapshot {
  std::string label;
  std::string tip;
  std::size_t shareEnumerations = 0;
  int selectedMode = 0;
};

class StartupOrderTest : public ::testing::Test {
 protected:
  StartupOrderTest() {
    test.world.identity.version.majorVersion = 6;
    test.world.identity.userName = "alice";
    test.world.shareService.shares.push_back({u"C$", 0, u"Default share", 0, u"C:\\"});
    test.world.files.PutFile(std::string(TestWorld::kProgramFolder) + "config.ini",
                             "[ShareMode]\r\nMode=0\r\n");
    test.world.processes.run = [this](const Launch& launch) {
      launches.push_back({launch.commandLine, Now()});
      return 0u;
    };
    test.world.messageBoxes.whileShown = [this](const platform::memory::ShownBox& box) {
      boxes.push_back({box.text, Now()});
    };
  }

  // What the window shows now. Before the window exists, nothing.
  Snapshot Now() {
    Snapshot now;
    if (!test.mainWindow) {
      // The main window is still being built: read it through the factory's live form.
      if (test.forms.LiveForms().empty()) return now;
      auto& form = *test.forms.LiveForms().front();
      now.label = form.Get<ui::Label>("m_labelSvrName").Text();
      now.tip = form.Get<ui::RichText>("m_memoTip").Text();
      now.selectedMode = form.Get<ui::RadioGroup>("m_radiosMode").ItemIndex();
    }
    now.shareEnumerations = test.world.shareService.shareEnumPrefMaxLens.size();
    return now;
  }

  TestWorld test;
  std::vector<std::pair<std::string, Snapshot>> launches;
  std::vector<std::pair<std::string, Snapshot>> boxes;
};

TEST_F(StartupOrderTest, IdentityThenPreparationThenRestoreThenListThenWarning) {
  test.StartMainWindow();

  ASSERT_GE(launches.size(), 3u);
  // The identity label is filled before the first service command runs; nothing later yet.
  const Snapshot& first = launches[0].second;
  EXPECT_EQ(launches[0].first, "sc config Browser start= AUTO");
  EXPECT_EQ(first.label.rfind("This Computer Name: WORKSTATION1", 0), 0u) << first.label;
  EXPECT_EQ(first.tip, "Desc.");
  EXPECT_EQ(first.selectedMode, 1);
  EXPECT_EQ(first.shareEnumerations, 0u);

  // The script runs before the remembered mode is restored.
  const Snapshot& script = launches[2].second;
  EXPECT_EQ(launches[2].first.rfind("Cscript.exe \"", 0), 0u) << launches[2].first;
  EXPECT_EQ(script.tip, "Desc.");
  EXPECT_EQ(script.shareEnumerations, 0u);

  // The warning comes last: mode restored, description shown, list filled.
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].first, kWarning);
  EXPECT_EQ(boxes[0].second.selectedMode, 0);
  EXPECT_NE(boxes[0].second.tip, "Desc.");
  EXPECT_EQ(boxes[0].second.shareEnumerations, 1u);
  EXPECT_EQ(test.MainForm().Memory<ui::memory::MemoryListView>("m_listviewFolders").RowCount(), 1);
}

TEST_F(StartupOrderTest, AMissingScriptStopsStartUpAfterItsBox) {
  // The script vanishes before the program looks for it again.
  test.world.files.writesVanish = true;
  test.StartMainWindow();

  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].first, "vbs file not found!");
  EXPECT_EQ(test.world.messageBoxes.shown[0].style,
            platform::mb::kOk | platform::mb::kIconInformation);
  EXPECT_EQ(test.world.messageBoxes.shown[0].owner, test.mainWindow->Handle());
  EXPECT_EQ(test.mainWindow->m_radiosMode.ItemIndex(), 1);
  EXPECT_EQ(test.mainWindow->m_memoTip.Text(), "Desc.");
  EXPECT_EQ(test.world.shareService.shareEnumPrefMaxLens.size(), 0u);
  EXPECT_EQ(test.mainWindow->m_listviewFolders.RowCount(), 0);
  EXPECT_FALSE(test.mainWindow->m_labelSvrName.Text().empty()) << "steps before it stay done";
}

TEST_F(StartupOrderTest, AnErrorInAStepEndsStartUpThereAndTheWindowStillOpens) {
  // The remembered mode's description cannot be read.
  test.world.files.unreadable.insert("c:\\program files\\plinvo\\stop_share_help.rtf");
  test.StartMainWindow();

  ASSERT_EQ(test.world.messageBoxes.shown.size(), 1u);
  const auto& box = test.world.messageBoxes.shown[0];
  EXPECT_EQ(box.text, "Cannot open file C:\\Program Files\\Plinvo\\stop_share_help.rtf.");
  EXPECT_EQ(box.style, platform::mb::kOk | platform::mb::kIconStop);
  EXPECT_EQ(box.caption, "Plinvo");
  EXPECT_EQ(test.world.shareService.shareEnumPrefMaxLens.size(), 0u) << "no list refresh";
  EXPECT_EQ(test.mainWindow->m_radiosMode.ItemIndex(), 0);
  EXPECT_FALSE(test.MainForm().memoryWindow().Closed());
}

TEST_F(StartupOrderTest, TheSessionListStaysEmptyAfterStartUp) {
  test.world.shareService.sessions.push_back({u"\\\\PC2", u"bob", 10, 5});
  test.StartMainWindow();
  EXPECT_EQ(test.mainWindow->m_listviewSessions.RowCount(), 0);
  EXPECT_TRUE(test.world.shareService.sessionEnumPrefMaxLens.empty());
}

}  // namespace
