// The unattended verbs: which command lines are verbs, the refusals that change nothing, each
// outcome's exit code, the same recipe as "Apply", and the check's report files.
#include <gtest/gtest.h>

#include "app/ChangeEvents.h"
#include "app/UnattendedVerbs.h"
#include "app/VerbCommandLine.h"
#include "check/ReportFiles.h"
#include "support/Events.h"
#include "support/TestWorld.h"

namespace {

using testing_support::TestWorld;
namespace code = app::verb_exit;

const std::string kIni = std::string(TestWorld::kProgramFolder) + "config.ini";
const char* const kLog = "C:\\admin\\plinvo.log";
const char* const kAppData = "C:\\Documents and Settings\\All Users\\Application Data";

class UnattendedVerbsTest : public ::testing::Test {
 protected:
  UnattendedVerbsTest() {
    test.world.files.PutDirectory("C:\\admin");
    test.world.files.PutFile(kIni, "[ShareMode]\r\nMode=2\r\n");
    // Installed: the setup registered the event log's source.
    app::RegisterEventSource(test.world.platform);
    test.world.registry.writes.clear();
    test.world.processes.run = [this](const platform::memory::Launch& launch) {
      return failingTool.empty() || launch.commandLine.find(failingTool) == std::string::npos ? 0u
                                                                                              : 3u;
    };
  }
  int Run(const std::string& line) {
    return app::RunVerbCommandLine(test.world.platform, TestWorld::kProgramFolder, line);
  }
  void ExpectNothingChanged() {
    EXPECT_TRUE(test.world.registry.writes.empty());
    EXPECT_TRUE(test.world.processes.launches.empty());
    EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=2\r\n");
    EXPECT_TRUE(test.world.messageBoxes.shown.empty());
  }

  TestWorld test;
  std::string failingTool;
};

TEST(VerbCommandLine, TellsVerbsFromOtherLinesAndReadsThem) {
  for (const char* line :
       {"", "   ", "C:\\file.txt", "/", "/Ap", "/CreateSettingsFolder", "-Apply"}) {
    EXPECT_FALSE(app::IsVerbCommandLine(line)) << line;
  }
  for (const char* line : {"/APPLY", "/undo", "/Resto", "/CheckSharingNow", "/log:x /CheckSharing",
                           "\"/Report:a b\""}) {
    EXPECT_TRUE(app::IsVerbCommandLine(line)) << line;
  }
  const app::VerbCommand apply =
      app::ParseVerbCommandLine("  /log:\"C:\\My Logs\\p.log\"\t/applysharemode:ZENDRY ");
  EXPECT_EQ(apply.problem, "");
  EXPECT_EQ(apply.verb, app::Verb::ApplyShareMode);
  EXPECT_EQ(apply.mode, 1);
  EXPECT_EQ(apply.logFile, "C:\\My Logs\\p.log");
  const app::VerbCommand checkLine = app::ParseVerbCommandLine("/CheckSharing /Report:C:\\r.txt");
  EXPECT_EQ(checkLine.verb, app::Verb::CheckSharing);
  EXPECT_EQ(checkLine.reportFile, "C:\\r.txt");

  for (const char* line :
       {"/ApplyShareMode:Zendy", "/ApplyShareMode", "/ApplyShareMode:", "/CheckSharing /Report:",
        "/CheckSharing extra", "/CheckSharing /Log:a /Log:b", "/UndoLastModeChange:now",
        "/UndoLastModeChange /CheckSharing", "/Log:a", "/UndoLastModeChange /Report:r",
        "/RestoreWindowsSettings x", "/CheckSharing \"/Report:a"}) {
    EXPECT_NE(app::ParseVerbCommandLine(line).problem, "") << line;
  }
}

TEST_F(UnattendedVerbsTest, BadLinesAndUsersWhoAreNotAdministratorsChangeNothing) {
  EXPECT_EQ(Run("/ApplyShareMode:Zendy /Log:C:\\admin\\plinvo.log"), code::kBadCommandLine);
  ExpectNothingChanged();
  EXPECT_NE(test.world.files.Content(kLog).find(
                "Bad command line, nothing was done: \"Zendy\" is not a share mode"),
            std::string::npos)
      << test.world.files.Content(kLog);

  test.world.identity.administrator = false;
  EXPECT_EQ(Run("/ApplyShareMode:Stop"), code::kNotAdministrator);
  EXPECT_EQ(Run("/RestoreWindowsSettings"), code::kNotAdministrator);
  EXPECT_EQ(Run("/CheckSharing /Report:C:\\admin\\r.txt"), code::kNotAdministrator);
  EXPECT_FALSE(test.world.files.FileExists("C:\\admin\\r.txt"));
  ExpectNothingChanged();

  test.world.identity.administrator = true;
  test.world.files.readOnlyFolders.insert("c:\\admin");
  EXPECT_EQ(Run("/ApplyShareMode:Stop /Log:C:\\admin\\new.log"), code::kLogNotWritten);
  ExpectNothingChanged();
  // Each refusal is in the event log, with the command line and why.
  const std::vector<std::string> events = testing_support::EventLines(test.world.eventLog);
  ASSERT_EQ(events.size(), 5u);
  EXPECT_EQ(events[0],
            "180 error: Administrator | /ApplyShareMode:Zendy /Log:C:\\admin\\plinvo.log | Bad "
            "command line, nothing was done: " +
                app::ParseVerbCommandLine("/ApplyShareMode:Zendy").problem);
  EXPECT_EQ(events[1].rfind("180 error: Administrator | /ApplyShareMode:Stop | Refused, nothing "
                            "was done: the verbs need an administrator",
                            0),
            0u);
  EXPECT_EQ(events[4],
            "180 error: Administrator | /ApplyShareMode:Stop /Log:C:\\admin\\new.log | "
            "The log file C:\\admin\\new.log could not be written, so nothing was "
            "done.");
}

TEST_F(UnattendedVerbsTest, ApplyRunsTheSameRecipeAsTheWindowWithoutABox) {
  TestWorld interactive;
  interactive.world.files.PutFile(kIni, "[ShareMode]\r\nMode=2\r\n");
  interactive.StartMainWindow();
  interactive.world.registry.writes.clear();
  interactive.world.processes.launches.clear();
  interactive.MainForm().Memory<ui::memory::MemoryRadioGroup>("m_radiosMode").Select(1);
  interactive.MainForm().Memory<ui::memory::MemoryButton>("m_btnApply").Click();

  EXPECT_EQ(Run("/ApplyShareMode:Zendry /Log:C:\\admin\\plinvo.log"), code::kDone);
  EXPECT_TRUE(test.world.messageBoxes.shown.empty());
  ASSERT_EQ(test.world.registry.writes.size(), interactive.world.registry.writes.size());
  for (std::size_t i = 0; i < test.world.registry.writes.size(); ++i) {
    EXPECT_EQ(test.world.registry.writes[i].key, interactive.world.registry.writes[i].key);
    EXPECT_EQ(test.world.registry.writes[i].name, interactive.world.registry.writes[i].name);
  }
  EXPECT_EQ(test.world.processes.CommandLines(), interactive.world.processes.CommandLines());
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=1\r\n");
  const std::string record = std::string(kAppData) + "\\Plinvo\\settings-before.txt";
  EXPECT_EQ(test.world.files.Content(record), interactive.world.files.Content(record));
  const std::string log = test.world.files.Content(kLog);
  EXPECT_EQ(log.rfind("2027-01-15 08:00:00  Plinvo /ApplyShareMode:Zendry", 0), 0u) << log;
  EXPECT_NE(log.find("Ran net user Guest /active:yes : exit code 0\r\n"), std::string::npos);
  EXPECT_NE(log.find("very easy!\r\n" + std::string(21, ' ') + "You need to RESTART"),
            std::string::npos)
      << "a message's lines indented under its first, without its blank lines";
  EXPECT_NE(log.find("  Exit code 0.\r\n"), std::string::npos);

  // Undone unattended; then there is nothing left to undo.
  EXPECT_EQ(Run("/UndoLastModeChange"), code::kDone);
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=-1\r\n");
  EXPECT_EQ(Run("/UndoLastModeChange /Log:C:\\admin\\plinvo.log"), code::kDone);
  EXPECT_NE(test.world.files.Content(kLog).find("There is no share-mode change to undo."),
            std::string::npos);
  EXPECT_EQ(test.world.files.Content(kLog).rfind(log, 0), 0u) << "the log is added to";
}

TEST_F(UnattendedVerbsTest, EachFailureHasItsCode) {
  failingTool = "net user";
  EXPECT_EQ(Run("/ApplyShareMode:Zendry"), code::kToolFailed);
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=1\r\n");
  test.world.registry.refusedValueNames = {"limitblankpassworduse"};
  EXPECT_EQ(Run("/UndoLastModeChange"), code::kNotAllPutBack);
  EXPECT_EQ(Run("/RestoreWindowsSettings"), 1) << "as the uninstaller reads it";
  test.world.registry.refusedValueNames.clear();
  EXPECT_EQ(Run("/RestoreWindowsSettings"), code::kDone);

  test.world.registry.refusedValueNames = {"forceguest"};
  test.world.processes.launches.clear();
  EXPECT_EQ(Run("/ApplyShareMode:Normal"), code::kWriteRefused);
  EXPECT_EQ(test.world.processes.launches.size(), 2u) << "the tools before the refused write ran";
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=-1\r\n") << "not recorded";

  test.world.files.PutFile(std::string(kAppData) + "\\Plinvo\\settings-before.txt", "damaged");
  EXPECT_EQ(Run("/UndoLastModeChange"), code::kRecordUnusable);
  test.world.registry.writes.clear();
  EXPECT_EQ(Run("/ApplyShareMode:Stop"), code::kSettingsNotSaved);
  EXPECT_TRUE(test.world.registry.writes.empty());
  // What each run did, in the event log, as its exit code says it.
  std::vector<std::string> ids;
  for (const std::string& line : testing_support::EventLines(test.world.eventLog)) {
    ids.push_back(line.substr(0, line.find(": Administrator | ")));
  }
  EXPECT_EQ(ids, (std::vector<std::string>{"101 warning", "111 warning", "113 warning", "112 info",
                                           "102 error", "102 error"}));
  EXPECT_EQ(testing_support::EventLines(test.world.eventLog).back(),
            "102 error: Administrator | Stop Share | The present settings could not be saved, so "
            "this change could not be undone later. Nothing was changed.");
}

TEST_F(UnattendedVerbsTest, CheckWritesBothFormsAndAnswersWithTheWorstRow) {
  const int answer = Run("/CheckSharing /Report:C:\\admin\\check.txt");
  const std::string table = test.world.files.Content("C:\\admin\\check.tsv");
  ASSERT_NE(table, "");
  EXPECT_EQ(
      test.world.files.Content("C:\\admin\\check.txt")
          .rfind("Plinvo sharing check\r\nComputer: WORKSTATION1\r\nShare mode: Normal Share", 0),
      0u);
  const int expected = table.find("\tBlocks visitors\t") != std::string::npos        ? 2
                       : table.find("\tCould not be checked\t") != std::string::npos ? 3
                       : table.find("\tWorth knowing\t") != std::string::npos        ? 1
                                                                                     : 0;
  EXPECT_EQ(answer, expected) << table;
  const std::vector<std::string> events = testing_support::EventLines(test.world.eventLog);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].rfind(std::to_string(170 + answer), 0), 0u) << events[0];
  EXPECT_NE(events[0].find(" | Normal Share | ["), std::string::npos) << events[0];
  test.world.files.readOnlyFolders.insert("c:\\admin");
  EXPECT_EQ(Run("/CheckSharing /Report:C:\\admin\\other.txt"), code::kReportNotWritten);

  using check::Status;
  const auto rows = [](std::initializer_list<Status> statuses) {
    std::vector<check::Finding> found;
    for (Status status : statuses) found.push_back({status, "a\tb", "c\nd", "e", "", {}, ""});
    return found;
  };
  EXPECT_EQ(app::CheckExitCode(rows({Status::Holds})), 0);
  EXPECT_EQ(app::CheckExitCode(rows({Status::WorthKnowing, Status::Holds})), 1);
  EXPECT_EQ(app::CheckExitCode(rows({Status::WorthKnowing, Status::NotChecked})), 3);
  EXPECT_EQ(app::CheckExitCode(rows({Status::NotChecked, Status::Blocks})), 2);
  EXPECT_EQ(check::ReportTable(rows({Status::Blocks})), "a b\tBlocks visitors\tc d\te\r\n");
  EXPECT_EQ(check::ReportTablePath("C:\\r.d\\report"), "C:\\r.d\\report.tsv");
  EXPECT_EQ(check::ReportTablePath("C:\\report.TSV"), "C:\\report.TSV.tsv");
  EXPECT_EQ(app::UtcTimeText(951825600), "2000-02-29 12:00:00");
}

}  // namespace
