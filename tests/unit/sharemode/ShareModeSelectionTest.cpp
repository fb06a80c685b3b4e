// Picking a share mode shows its description; start-up selects the recorded mode.
#include <gtest/gtest.h>

#include <ostream>

#include "support/TestWorld.h"

namespace {

using platform::mb::kIconStop;
using platform::mb::kOk;
using testing_support::TestWorld;
using ui::memory::MemoryRadioGroup;
using ui::memory::MemoryRichText;

const std::string kFolder = TestWorld::kProgramFolder;
const std::string kIni = kFolder + "config.ini";
const std::string kStopRtf = "{\\rtf1\\ansi Stop sharing: nobody gets in.\\par}";
const std::string kZendryRtf = "{\\rtf1\\ansi Guests come in without a password.\\par}";
const std::string kNormalRtf = "{\\rtf1\\ansi Visitors log on as themselves.\\par}";

class ShareModeSelectionTest : public ::testing::Test {
 protected:
  ShareModeSelectionTest() {
    test.world.files.PutFile(kFolder + "stop_share_help.rtf", kStopRtf);
    test.world.files.PutFile(kFolder + "zendry_share_help.rtf", kZendryRtf);
    test.world.files.PutFile(kFolder + "normal_share_help.rtf", kNormalRtf);
  }
  void Start() {
    test.StartMainWindow();
    test.world.messageBoxes.shown.clear();
  }
  MemoryRadioGroup& Modes() { return test.MainForm().Memory<MemoryRadioGroup>("m_radiosMode"); }
  MemoryRichText& Tip() { return test.MainForm().Memory<MemoryRichText>("m_memoTip"); }

  TestWorld test;
};

TEST_F(ShareModeSelectionTest, TheThreeModesStandSideBySideAndTheHiddenScriptIsReadOnly) {
  Start();
  const ui::ControlDesign& modes = Modes().Spec();
  EXPECT_EQ(modes.items, (std::vector<std::string>{"Stop Share", "Zendry Share", "Normal Share"}));
  EXPECT_EQ(modes.columns, 3);
  EXPECT_EQ(modes.itemIndex, 1);
  const ui::ControlDesign& tip = Tip().Spec();
  EXPECT_TRUE(tip.readOnly && tip.noBorder && tip.verticalScrollBar);
  EXPECT_EQ(tip.charset, 134);
  const auto& script = test.MainForm().Memory<ui::memory::MemoryEdit>("m_memoScriptNetBios");
  EXPECT_FALSE(script.Visible());
  EXPECT_TRUE(script.Spec().readOnly);
  EXPECT_FALSE(script.Text().empty());
}

TEST_F(ShareModeSelectionTest, PickingAModeShowsItsDescriptionAsRichText) {
  Start();
  // The start-up registers the event log's source; picking adds nothing to that.
  const std::size_t startupWrites = test.world.registry.writes.size();
  const std::pair<int, std::string> picks[] = {
      {0, kStopRtf}, {1, kZendryRtf}, {2, kNormalRtf}, {0, kStopRtf}};
  for (const auto& [index, description] : picks) {
    Modes().Select(index);
    EXPECT_EQ(Tip().Text(), description) << index;
    EXPECT_EQ(Tip().LoadedFormat(), ui::StreamFormat::RichText);
  }
  EXPECT_TRUE(test.world.messageBoxes.shown.empty());
  EXPECT_EQ(test.world.registry.writes.size(), startupWrites)
      << "picking changes nothing on the system";
  EXPECT_EQ(test.world.files.Content(kIni), "") << "picking records nothing";
}

TEST_F(ShareModeSelectionTest, AFileThatIsNotRichTextIsShownAsPlainText) {
  test.world.files.PutFile(kFolder + "stop_share_help.rtf", "Plain words\r\nsecond line");
  Start();
  Modes().Select(0);
  EXPECT_EQ(Tip().Text(), "Plain words\r\nsecond line");
  EXPECT_EQ(Tip().LoadedFormat(), ui::StreamFormat::PlainText);
  EXPECT_TRUE(test.world.messageBoxes.shown.empty());
}

TEST_F(ShareModeSelectionTest, AMissingFileIsReportedWithItsPathAndTheOldTextStays) {
  Start();
  test.world.files.DeleteFile(kFolder + "zendry_share_help.rtf");
  const std::string before = Tip().Text();
  const std::size_t loads = Tip().TextHistory().size();

  Modes().Select(1);

  ASSERT_EQ(test.world.messageBoxes.shown.size(), 1u);
  const auto& box = test.world.messageBoxes.shown[0];
  EXPECT_EQ(box.text, "Cannot open file C:\\Program Files\\Plinvo\\zendry_share_help.rtf.");
  EXPECT_EQ(box.style, kOk | kIconStop);
  EXPECT_EQ(box.caption, "Plinvo");
  EXPECT_EQ(box.owner, test.mainWindow->Handle());
  EXPECT_EQ(Tip().Text(), before);
  EXPECT_EQ(Tip().TextHistory().size(), loads);
}

TEST_F(ShareModeSelectionTest, AnUnreadableFileCannotBeOpened) {
  Start();
  test.world.files.unreadable.insert("c:\\program files\\plinvo\\stop_share_help.rtf");
  Modes().Select(0);
  EXPECT_EQ(
      test.world.messageBoxes.Texts(),
      std::vector<std::string>{"Cannot open file C:\\Program Files\\Plinvo\\stop_share_help.rtf."});
}

TEST_F(ShareModeSelectionTest, ContentReadableNeitherWayFailsToLoad) {
  Start();
  Tip().failStreams = 2;
  Modes().Select(2);
  ASSERT_EQ(test.world.messageBoxes.shown.size(), 1u);
  EXPECT_EQ(test.world.messageBoxes.shown[0].text, "Failed to Load Stream.");
  EXPECT_EQ(test.world.messageBoxes.shown[0].style, kOk | kIconStop);
}

TEST_F(ShareModeSelectionTest, NoOptionSelectedKeepsTheDescription) {
  Start();
  Modes().Select(0);
  Modes().Select(-1);
  EXPECT_EQ(Modes().ItemIndex(), -1);
  EXPECT_EQ(Tip().Text(), kStopRtf);
  EXPECT_TRUE(test.world.messageBoxes.shown.empty());
}

struct RestoreCase {
  const char* settings;  // content of config.ini, nullptr for no file
  int selected;
  const char* description;  // nullptr: nothing loaded, "Desc." stays
};

void PrintTo(const RestoreCase& c, std::ostream* out) {
  *out << (c.settings != nullptr ? c.settings : "no settings file") << " selects " << c.selected;
}

class RestoreShareModeTest : public ShareModeSelectionTest,
                             public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreShareModeTest, SelectsTheRecordedModeAndAlwaysLoadsItsDescription) {
  const RestoreCase& c = GetParam();
  if (c.settings != nullptr) test.world.files.PutFile(kIni, c.settings);
  Start();
  EXPECT_EQ(Modes().ItemIndex(), c.selected);
  if (c.description == nullptr) {
    EXPECT_EQ(Tip().Text(), "Desc.");
    EXPECT_TRUE(Tip().TextHistory().empty());
  } else {
    EXPECT_EQ(Tip().Text(), c.description);
    EXPECT_EQ(Tip().TextHistory().size(), 1u) << "loaded once, at start-up";
  }
  EXPECT_EQ(test.world.files.Content(kIni), c.settings ? c.settings : "") << "only read";
}

INSTANTIATE_TEST_SUITE_P(
    RecordedValues, RestoreShareModeTest,
    ::testing::Values(
        RestoreCase{nullptr, 2, kNormalRtf.c_str()},
        RestoreCase{"[ShareMode]\r\nMode=0\r\n", 0, kStopRtf.c_str()},
        // The same as the selection at creation: the description still replaces "Desc.".
        RestoreCase{"[ShareMode]\r\nMode=1\r\n", 1, kZendryRtf.c_str()},
        RestoreCase{"[ShareMode]\r\nMode=2\r\n", 2, kNormalRtf.c_str()},
        RestoreCase{"[ShareMode]\r\nMode=7\r\n", 2, kNormalRtf.c_str()},
        RestoreCase{"[ShareMode]\r\nMode=-3\r\n", -1, nullptr},
        RestoreCase{"[ShareMode]\r\nMode=-1\r\n", -1, nullptr},
        RestoreCase{"[ShareMode]\r\nMode=abc\r\n", 0, kStopRtf.c_str()},
        RestoreCase{"[ShareMode]\r\nMode=1x\r\n", 1, kZendryRtf.c_str()},
        RestoreCase{"[ShareMode]\r\nMode=\r\n", 2, kNormalRtf.c_str()},
        RestoreCase{"[ShareMode]\r\nMode=\"0\"\r\n", 0, kStopRtf.c_str()},
        RestoreCase{"[ShareMode]\r\nMode=0x1\r\n", 1, kZendryRtf.c_str()},
        RestoreCase{"[ShareMode]\r\nMode=4294967295\r\n", -1, nullptr},
        RestoreCase{"[ShareMode]\r\nMode=4294967296\r\n", 0, kStopRtf.c_str()},
        RestoreCase{"[sharemode]\r\nMODE= 0 ; stop\r\n", 0, kStopRtf.c_str()},
        RestoreCase{"[Other]\r\nMode=0\r\n", 2, kNormalRtf.c_str()},
        RestoreCase{"[ShareMode]\r\nModus=0\r\n", 2, kNormalRtf.c_str()}));

TEST_F(ShareModeSelectionTest, AMissingDescriptionEndsTheStartUp) {
  test.world.files.DeleteFile(kFolder + "normal_share_help.rtf");
  test.world.identity.version.majorVersion = 6;
  test.world.identity.userName = "alice";  // would be warned after a complete start
  test.world.shareService.shares.push_back({u"Docs", 0, u"", 0, u"C:\\Docs"});
  test.StartMainWindow();

  EXPECT_EQ(test.world.messageBoxes.Texts(),
            std::vector<std::string>{
                "Cannot open file C:\\Program Files\\Plinvo\\normal_share_help.rtf."});
  EXPECT_EQ(Modes().ItemIndex(), 2);
  EXPECT_EQ(Tip().Text(), "Desc.");
  EXPECT_EQ(test.MainForm().Memory<ui::memory::MemoryListView>("m_listviewFolders").RowCount(), 0)
      << "the shared-folder list is not filled";
}

TEST_F(ShareModeSelectionTest, ACompleteStartUpFillsTheListAfterTheDescription) {
  test.world.shareService.shares.push_back({u"Docs", 0, u"", 0, u"C:\\Docs"});
  test.StartMainWindow();
  EXPECT_TRUE(test.world.messageBoxes.shown.empty());
  EXPECT_EQ(Tip().Text(), kNormalRtf);
  EXPECT_EQ(test.MainForm().Memory<ui::memory::MemoryListView>("m_listviewFolders").RowCount(), 1);
}

TEST_F(ShareModeSelectionTest, APickNotAppliedIsForgottenAtTheNextStart) {
  test.world.files.PutFile(kIni, "[ShareMode]\r\nMode=1\r\n");
  Start();
  Modes().Select(0);
  test.mainWindow.reset();

  Start();
  EXPECT_EQ(Modes().ItemIndex(), 1);
  EXPECT_EQ(Tip().Text(), kZendryRtf);
}

}  // namespace
