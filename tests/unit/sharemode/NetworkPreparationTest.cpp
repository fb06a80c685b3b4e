// The start-up preparation: service commands, the NetBIOS script in a folder of its own, the
// pause, the script run, and nothing left behind.
#include <gtest/gtest.h>

#include <algorithm>

#include "sharemode/NetworkPreparation.h"
#include "support/TestWorld.h"

namespace {

using platform::memory::Launch;
using testing_support::TestWorld;

// The script as the system administrator would type it, written out here on its own.
const std::string kExpectedScript =
    "On Error Resume Next\r\n"
    "strComputer = \".\"\r\n"
    "Set objWMIService = GetObject(\"winmgmts:\\\\\" & strComputer & \"\\root\\cimv2\")\r\n"
    "Set colNetCards = objWMIService.ExecQuery _\r\n"
    "    (\"Select * From Win32_NetworkAdapterConfiguration Where IPEnabled = True\")\r\n"
    "For Each objNetCard in colNetCards\r\n"
    "    objNetCard.SetTCPIPNetBIOS(1)\r\n"
    "Next";

constexpr const char* kCscript = "Cscript.exe \"";

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

// The script path inside the quotes of the script host's command line.
std::string ScriptPathOf(const std::string& commandLine) {
  if (!StartsWith(commandLine, kCscript) || commandLine.back() != '"') return std::string();
  return commandLine.substr(std::string(kCscript).size(),
                            commandLine.size() - std::string(kCscript).size() - 1);
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

// What the world looked like when the script host started.
struct ScriptRun {
  std::string path;
  std::string content;
  bool fileExisted = false;
  bool folderExisted = false;
  bool held = false;  // nobody could change it while the host ran
  std::vector<std::uint32_t> sleepsBefore;
};

class NetworkPreparationTest : public ::testing::Test {
 protected:
  NetworkPreparationTest() {
    test.world.processes.run = [this](const Launch& launch) -> std::uint32_t {
      if (StartsWith(launch.commandLine, kCscript)) {
        ScriptRun seen;
        seen.path = ScriptPathOf(launch.commandLine);
        seen.fileExisted = test.world.files.FileExists(seen.path);
        seen.content = test.world.files.Content(seen.path);
        seen.folderExisted = test.world.files.DirectoryExists(FolderOf(seen.path));
        seen.sleepsBefore = test.world.processes.sleeps;
        std::string lower = seen.path;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        seen.held = test.world.files.heldFiles.count(lower) > 0;
        scriptRuns.push_back(seen);
      } else {
        sleepsAtOtherLaunches.push_back(test.world.processes.sleeps.size());
      }
      return 0;
    };
  }

  TestWorld test;
  std::vector<ScriptRun> scriptRuns;
  std::vector<std::size_t> sleepsAtOtherLaunches;
};

TEST_F(NetworkPreparationTest, RunsServiceCommandsThenPausesThenRunsTheScript) {
  test.StartMainWindow();

  const auto& launches = test.world.processes.launches;
  ASSERT_EQ(launches.size(), 3u);
  EXPECT_EQ(launches[0].commandLine, "sc config Browser start= AUTO");
  EXPECT_TRUE(launches[0].waited);
  EXPECT_EQ(launches[1].commandLine, "sc start Browser");
  EXPECT_FALSE(launches[1].waited);
  EXPECT_TRUE(StartsWith(launches[2].commandLine, kCscript)) << launches[2].commandLine;
  EXPECT_TRUE(launches[2].waited);
  EXPECT_EQ(sleepsAtOtherLaunches, (std::vector<std::size_t>{0, 0})) << "no pause before sc";
  ASSERT_EQ(scriptRuns.size(), 1u);
  EXPECT_EQ(scriptRuns[0].sleepsBefore, std::vector<std::uint32_t>{1000});
  EXPECT_EQ(test.world.processes.sleeps, std::vector<std::uint32_t>{1000});
  EXPECT_TRUE(test.world.processes.openHandles.empty());
}

TEST_F(NetworkPreparationTest, WritesTheScriptByteForByteIntoAFreshPrivateFolder) {
  const std::string temp = "C:\\WINDOWS\\Temp\\";  // only administrators can change it
  test.StartMainWindow();

  ASSERT_EQ(scriptRuns.size(), 1u);
  const ScriptRun& run = scriptRuns[0];
  EXPECT_TRUE(run.fileExisted);
  EXPECT_EQ(run.content, kExpectedScript);
  EXPECT_TRUE(run.folderExisted);
  EXPECT_TRUE(run.held);
  EXPECT_EQ(run.path.substr(run.path.size() - 12), "\\netbios.vbs");
  const std::string folder = FolderOf(run.path);
  EXPECT_TRUE(StartsWith(folder, temp + "Plinvo-")) << folder;
  EXPECT_EQ(folder.find('\\', temp.size()), std::string::npos) << "directly in the temp folder";
  EXPECT_EQ(test.world.files.privateDirectoriesCreated, std::vector<std::string>{folder});
}

TEST_F(NetworkPreparationTest, LeavesNeitherScriptNorFolderBehind) {
  test.StartMainWindow();
  ASSERT_EQ(scriptRuns.size(), 1u);
  EXPECT_FALSE(test.world.files.FileExists(scriptRuns[0].path));
  EXPECT_FALSE(test.world.files.DirectoryExists(FolderOf(scriptRuns[0].path)));
  EXPECT_TRUE(test.world.files.FilesUnder(test.world.files.tempPath).empty());
  EXPECT_TRUE(test.world.files.FilesUnder("C:\\WINDOWS\\Temp").empty());
  EXPECT_TRUE(test.world.files.heldFiles.empty());
}

TEST_F(NetworkPreparationTest, AScriptPlantedInTheTempFolderIsNeverUsed) {
  const std::string planted = test.world.files.tempPath + "netbios.vbs";
  test.world.files.PutFile(planted, "CreateObject(\"WScript.Shell\").Run \"evil.exe\"");
  test.StartMainWindow();

  ASSERT_EQ(scriptRuns.size(), 1u);
  EXPECT_NE(scriptRuns[0].path, planted);
  EXPECT_EQ(scriptRuns[0].content, kExpectedScript);
  for (const std::string& line : test.world.processes.CommandLines()) {
    EXPECT_EQ(line.find(planted + "\""), std::string::npos) << line;
  }
  EXPECT_EQ(test.world.files.Content(planted), "CreateObject(\"WScript.Shell\").Run \"evil.exe\"")
      << "someone else's file is not ours to touch";
}

TEST_F(NetworkPreparationTest, ALongTemporaryFolderWorks) {
  std::string temp =
      "C:\\Documents and Settings\\" + std::string(90, 'u') + "\\Local Settings\\Temp\\";
  ASSERT_GT(temp.size(), 100u);
  test.world.files.tempPath = temp;
  test.world.identity.administrator = false;
  test.StartMainWindow();

  ASSERT_EQ(scriptRuns.size(), 1u);
  EXPECT_EQ(scriptRuns[0].path, temp + "netbios.vbs");
  EXPECT_EQ(scriptRuns[0].content, kExpectedScript);
  EXPECT_EQ(test.world.processes.launches.back().commandLine,
            std::string(kCscript) + scriptRuns[0].path + "\"");
  EXPECT_TRUE(test.world.files.FilesUnder(temp).empty());
}

TEST_F(NetworkPreparationTest, ATempFolderWithoutItsSeparatorStillGetsOne) {
  test.world.files.tempPath = "C:\\Temp";
  test.world.identity.administrator = false;
  test.StartMainWindow();
  ASSERT_EQ(scriptRuns.size(), 1u);
  EXPECT_EQ(scriptRuns[0].path, "C:\\Temp\\netbios.vbs");
}

// XP lets a user without administrator rights start the program, who could not open a folder
// that only administrators may open: that user's script goes straight into the temporary folder.
TEST_F(NetworkPreparationTest, ALimitedUsersScriptGoesIntoTheTempFolderAndTheStartGoesOn) {
  test.world.identity.administrator = false;
  const std::string temp = test.world.files.tempPath;
  test.world.files.PutFile(temp + "netbios.vbs", "left over");
  app::TfrmMain& main = test.StartMainWindow();

  ASSERT_EQ(scriptRuns.size(), 1u);
  EXPECT_EQ(scriptRuns[0].path, temp + "netbios.vbs");
  EXPECT_EQ(scriptRuns[0].content, kExpectedScript);
  EXPECT_TRUE(test.world.files.privateDirectoriesCreated.empty());
  EXPECT_TRUE(test.world.messageBoxes.shown.empty()) << "no \"Cannot create file\"";
  EXPECT_NE(main.m_memoTip.Text(), "Desc.") << "the start-up went on to the remembered mode";
  EXPECT_FALSE(test.world.files.FileExists(temp + "netbios.vbs"));
}

// Which parent the private folder goes under, as the access lists along the path decide.
TEST_F(NetworkPreparationTest, AnExposedWindowsTempGivesWayToOurOwnFolderUnderAllUsersData) {
  const std::string common = test.world.files.commonAppDataFolder;
  test.world.files.exposedFolders.insert("c:\\windows\\temp");
  test.StartMainWindow();

  ASSERT_EQ(scriptRuns.size(), 1u);
  EXPECT_TRUE(StartsWith(scriptRuns[0].path, common + "\\Plinvo\\Plinvo-")) << scriptRuns[0].path;
  EXPECT_EQ(scriptRuns[0].content, kExpectedScript);
  ASSERT_EQ(test.world.files.privateDirectoriesCreated.size(), 2u);
  EXPECT_EQ(test.world.files.privateDirectoriesCreated[0], common + "\\Plinvo");
  EXPECT_FALSE(test.world.files.DirectoryExists(common + "\\Plinvo")) << "made now, gone again";
  EXPECT_TRUE(test.world.files.FilesUnder(common).empty());
}

TEST_F(NetworkPreparationTest, OurFolderIsUsedOnlyWhileNobodyElseCanChangeIt) {
  const std::string common = test.world.files.commonAppDataFolder;
  test.world.files.exposedFolders.insert("c:\\windows\\temp");
  test.world.files.PutDirectory(common + "\\Plinvo");  // made by someone before us
  test.world.files.exposedFolders.insert(
      "c:\\documents and settings\\all users\\application data\\plinvo");
  app::TfrmMain& main = test.StartMainWindow();

  EXPECT_TRUE(scriptRuns.empty());
  EXPECT_EQ(test.world.messageBoxes.Texts(),
            std::vector<std::string>{"Cannot create file " + common + "\\Plinvo\\netbios.vbs."});
  EXPECT_TRUE(test.world.files.privateDirectoriesCreated.empty());
  EXPECT_TRUE(test.world.files.DirectoryExists(common + "\\Plinvo")) << "not ours to remove";
  EXPECT_EQ(main.m_memoTip.Text(), "Desc.");
}

TEST_F(NetworkPreparationTest, AWindowsFolderOthersCanChangeLeavesNowhereSaferThanItsTemp) {
  test.world.files.exposedFolders.insert("c:\\windows");
  test.StartMainWindow();
  ASSERT_EQ(scriptRuns.size(), 1u);
  EXPECT_TRUE(StartsWith(scriptRuns[0].path, "C:\\WINDOWS\\Temp\\Plinvo-")) << scriptRuns[0].path;
}

TEST_F(NetworkPreparationTest, AScriptChangedDuringThePauseIsNotRun) {
  test.world.processes.whileSleeping = [this](std::uint32_t) {
    const auto made = test.world.files.privateDirectoriesCreated;
    ASSERT_EQ(made.size(), 1u);
    test.world.files.PutFile(made[0] + "\\netbios.vbs", "CreateObject(\"x\")");
  };
  test.StartMainWindow();
  EXPECT_TRUE(scriptRuns.empty());
  EXPECT_EQ(test.world.messageBoxes.Texts(), std::vector<std::string>{"vbs file not found!"});
  EXPECT_TRUE(test.world.files.FilesUnder("C:\\WINDOWS\\Temp").empty());
}

TEST_F(NetworkPreparationTest, AScriptGoneAfterThePauseStopsTheStartUp) {
  test.world.files.writesVanish = true;  // written, then removed by someone else
  test.world.identity.version.majorVersion = 6;
  test.world.identity.userName = "alice";  // a complete start would warn
  test.world.shareService.shares.push_back({u"Docs", 0, u"", 0, u"C:\\Docs"});
  app::TfrmMain& main = test.StartMainWindow();

  ASSERT_EQ(test.world.messageBoxes.shown.size(), 1u);
  const auto& box = test.world.messageBoxes.shown[0];
  EXPECT_EQ(box.text, "vbs file not found!");
  EXPECT_EQ(box.style, platform::mb::kOk | platform::mb::kIconInformation);
  EXPECT_EQ(box.caption, "Plinvo");
  EXPECT_EQ(box.owner, main.Handle());

  EXPECT_EQ(test.world.processes.CommandLines(),
            (std::vector<std::string>{"sc config Browser start= AUTO", "sc start Browser"}));
  EXPECT_EQ(main.m_radiosMode.ItemIndex(), 1) << "Zendry Share stays selected";
  EXPECT_EQ(main.m_memoTip.Text(), "Desc.");
  EXPECT_EQ(main.m_listviewFolders.RowCount(), 0);
  ASSERT_EQ(test.world.files.privateDirectoriesCreated.size(), 1u);
  EXPECT_FALSE(test.world.files.DirectoryExists(test.world.files.privateDirectoriesCreated[0]))
      << "the private folder goes too";
}

TEST_F(NetworkPreparationTest, AScriptThatCannotBeCreatedIsReportedAndEndsTheStartUp) {
  test.world.files.readOnlyFolders.insert("c:\\windows\\temp");
  test.world.identity.version.majorVersion = 6;
  test.world.identity.userName = "alice";
  app::TfrmMain& main = test.StartMainWindow();

  ASSERT_EQ(test.world.messageBoxes.shown.size(), 1u);
  const auto& box = test.world.messageBoxes.shown[0];
  EXPECT_TRUE(StartsWith(box.text, "Cannot create file C:\\WINDOWS\\Temp\\Plinvo-")) << box.text;
  EXPECT_EQ(box.text.substr(box.text.size() - 13), "\\netbios.vbs.");
  EXPECT_EQ(box.style, platform::mb::kOk | platform::mb::kIconStop);
  EXPECT_TRUE(scriptRuns.empty());
  EXPECT_TRUE(test.world.processes.sleeps.empty());
  EXPECT_EQ(main.m_memoTip.Text(), "Desc.") << "the mode is not restored";
  EXPECT_EQ(main.m_radiosMode.ItemIndex(), 1);
}

// The portable routine, with the folder numbers under the test's control.
class ScriptFolderTest : public ::testing::Test {
 protected:
  // A Windows folder "C:" whose Temp, C:\Temp, only administrators can change.
  ScriptFolderTest() {
    world.files.windowsDirectory = "C:";
    world.files.PutDirectory("C:\\Temp");
  }
  sharemode::FolderNumbers Numbers(std::vector<std::uint32_t> sequence) {
    return [sequence, next = std::size_t{0}]() mutable {
      return sequence[std::min(next++, sequence.size() - 1)];
    };
  }
  platform::memory::MemoryWorld world;
};

TEST_F(ScriptFolderTest, AnExistingFolderIsNeverReusedAnotherNameIsTried) {
  world.files.PutDirectory("C:\\Temp\\Plinvo-1");
  world.files.PutFile("C:\\Temp\\Plinvo-1\\netbios.vbs", "planted");
  ASSERT_TRUE(
      sharemode::PrepareNetworkSharing(world.platform, "script", Numbers({1, 1, 2})).value());

  EXPECT_EQ(world.processes.CommandLines().back(),
            "Cscript.exe \"C:\\Temp\\Plinvo-2\\netbios.vbs\"");
  EXPECT_EQ(world.files.privateDirectoriesCreated, std::vector<std::string>{"C:\\Temp\\Plinvo-2"});
  EXPECT_EQ(world.files.Content("C:\\Temp\\Plinvo-1\\netbios.vbs"), "planted");
  EXPECT_FALSE(world.files.DirectoryExists("C:\\Temp\\Plinvo-2"));
}

TEST_F(ScriptFolderTest, GivesUpAfterAFewTakenNames) {
  world.files.PutDirectory("C:\\Temp\\Plinvo-7");
  const auto prepared = sharemode::PrepareNetworkSharing(world.platform, "script", Numbers({7}));
  ASSERT_FALSE(prepared.Succeeded()) << "no folder could be made";
  EXPECT_EQ(prepared.status().failure().message,
            "Cannot create file C:\\Temp\\Plinvo-7\\netbios.vbs");
  EXPECT_EQ(world.processes.CommandLines(),
            (std::vector<std::string>{"sc config Browser start= AUTO", "sc start Browser"}));
  EXPECT_TRUE(world.files.privateDirectoriesCreated.empty());
  EXPECT_TRUE(world.files.DirectoryExists("C:\\Temp\\Plinvo-7")) << "not ours: left alone";
}

TEST_F(ScriptFolderTest, AFileThatCannotBeCreatedTakesItsFolderAlong) {
  world.files.unwritable.insert("c:\\temp\\plinvo-3\\netbios.vbs");
  const auto prepared = sharemode::PrepareNetworkSharing(world.platform, "script", Numbers({3}));
  ASSERT_FALSE(prepared.Succeeded()) << "the script could not be written";
  EXPECT_EQ(prepared.status().failure().message,
            "Cannot create file C:\\Temp\\Plinvo-3\\netbios.vbs");
  EXPECT_EQ(world.files.privateDirectoriesCreated, std::vector<std::string>{"C:\\Temp\\Plinvo-3"});
  EXPECT_FALSE(world.files.DirectoryExists("C:\\Temp\\Plinvo-3"));
  EXPECT_TRUE(world.processes.sleeps.empty());
}

TEST(FolderNumbers, DifferFromOneAttemptToTheNext) {
  sharemode::FolderNumbers numbers = sharemode::ClockSeededFolderNumbers();
  const std::uint32_t first = numbers();
  const std::uint32_t second = numbers();
  EXPECT_NE(first, second);
}

}  // namespace
