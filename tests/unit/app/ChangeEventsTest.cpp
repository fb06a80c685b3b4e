// The event log: the message table has words for every event the program writes, with the
// inserts it passes; the source's registration; and a log that cannot be written changes
// nothing an action does.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "app/ChangeEvents.h"
#include "app/UnattendedVerbs.h"
#include "support/Events.h"
#include "support/TestWorld.h"

namespace {

using testing_support::EventLines;
using testing_support::TestWorld;

std::string Source(const char* path) {
  std::ifstream file(std::string(PLINVO_SOURCE_DIR) + "/" + path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The words of each event, with the inserts it is given; the administrators' list in the README
// and the help's messages page say the same.
TEST(ChangeEvents, EveryEventHasWordsTakingExactlyItsInsertsAndIsListedForAdministrators) {
  const std::string table = Source("app/win32/ChangeEvents.mc");
  const std::string readme = Source("README.md");
  const std::string help = Source("help/chm/Messages.htm");
  ASSERT_NE(table, "");
  EXPECT_TRUE(std::none_of(table.begin(), table.end(), [](char c) { return c & 0x80; }))
      << "the table is stored in single bytes: other than ASCII, it reads as another code page";
  for (const app::EventKind* kind = app::EventKindsBegin(); kind != app::EventKindsEnd(); ++kind) {
    const std::string head = "MessageId=" + std::to_string(kind->id) + "\n";
    const std::size_t at = table.find(head);
    ASSERT_NE(at, std::string::npos) << kind->id;
    const std::size_t begin = table.find("Language=English\n", at) + 17;
    const std::string words = table.substr(begin, table.find("\n.\n", begin) - begin);
    for (unsigned insert = 1; insert <= 9; ++insert) {
      EXPECT_EQ(words.find("%" + std::to_string(insert)) != std::string::npos,
                insert <= kind->inserts)
          << kind->id << ": " << words;
    }
    EXPECT_EQ(table.find(head, at + 1), std::string::npos) << "one entry per identifier";
    const std::string id = std::to_string(kind->id);
    EXPECT_NE(readme.find("| " + id + " | "), std::string::npos) << id;
    EXPECT_NE(readme.find(" | " + words + " |"), std::string::npos) << id;
    EXPECT_NE(help.find("<td>" + id + "</td>"), std::string::npos) << id;
    EXPECT_NE(help.find("<span class=\"msg\">" + words + "</span>"), std::string::npos) << id;
  }
}

TEST(ChangeEvents, TheSourceIsRegisteredForThisFileByAnAdministratorOnly) {
  TestWorld test;
  const char* const key = "SYSTEM\\CurrentControlSet\\Services\\Eventlog\\Application\\Plinvo";
  test.world.identity.administrator = false;
  app::RegisterEventSource(test.world.platform);
  EXPECT_TRUE(test.world.registry.writes.empty());

  test.world.identity.administrator = true;
  test.world.files.moduleFileName = "D:\\Tools\\Plinvo\\Plinvo.exe";
  app::RegisterEventSource(test.world.platform);
  const auto file = test.world.registry.Value(key, "EventMessageFile");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->rawType, platform::kRegExpandString);
  EXPECT_EQ(file->text, std::string("D:\\Tools\\Plinvo\\Plinvo.exe") + '\0');
  EXPECT_EQ(test.world.registry.Value(key, "TypesSupported")->dword, 7u);
  // Registered: a later start writes nothing; one from another folder points it there.
  test.world.registry.writes.clear();
  app::RegisterEventSource(test.world.platform);
  EXPECT_TRUE(test.world.registry.writes.empty());
  test.world.files.moduleFileName = "C:\\Program Files\\Plinvo\\Plinvo.exe";
  app::RegisterEventSource(test.world.platform);
  ASSERT_EQ(test.world.registry.writes.size(), 1u);
  EXPECT_EQ(test.world.registry.Value(key, "EventMessageFile")->text,
            std::string("C:\\Program Files\\Plinvo\\Plinvo.exe") + '\0');

  // The window's start registers it too.
  TestWorld started;
  started.StartMainWindow();
  EXPECT_TRUE(started.world.registry.Value(key, "EventMessageFile"));
}

TEST(ChangeEvents, InsertsGetWindowsLineBreaksAndAnUnnamedUserIsSaidSo) {
  TestWorld test;
  test.world.identity.userNameFails = true;
  app::WriteEvent(test.world.platform, app::Event::ModeUndone, {"a\nb\r\nc\n"});
  EXPECT_EQ(EventLines(test.world.eventLog),
            std::vector<std::string>{"110 info: A user Windows did not name | a\r\nb\r\nc\r\n"});
}

// Writing the log never stops or changes what it tells of: the same verbs, the same outcomes.
TEST(ChangeEvents, ALogThatCannotBeWrittenChangesNoAction) {
  const char* const lines[] = {"/ApplyShareMode:Zendry", "/UndoLastModeChange", "/CheckSharing",
                               "/ApplyShareMode:Zendy"};
  TestWorld logged;
  TestWorld refused;
  refused.world.eventLog.error = 1502;  // ERROR_LOG_FILE_FULL
  for (const char* line : lines) {
    EXPECT_EQ(app::RunVerbCommandLine(refused.world.platform, TestWorld::kProgramFolder, line),
              app::RunVerbCommandLine(logged.world.platform, TestWorld::kProgramFolder, line))
        << line;
  }
  EXPECT_EQ(refused.world.registry.writes.size(), logged.world.registry.writes.size());
  EXPECT_EQ(refused.world.processes.CommandLines(), logged.world.processes.CommandLines());
  EXPECT_TRUE(refused.world.eventLog.events.empty());
  EXPECT_EQ(logged.world.eventLog.events.size(), 4u);
  EXPECT_TRUE(refused.world.messageBoxes.shown.empty());
}

}  // namespace
