#include <gtest/gtest.h>

#include "app/Global.h"
#include "platform/memory/MemoryWorld.h"

namespace {

using platform::memory::Launch;
using platform::memory::MemoryWorld;

class HiddenCommandTest : public ::testing::Test {
 protected:
  MemoryWorld world;
};

TEST_F(HiddenCommandTest, StartsHiddenWithTheStartupRecordAndReleasesBothHandles) {
  app::RunHiddenCommand(world.platform, "\"C:\\Tools\\myright.exe\" -u Guest", 1);

  ASSERT_EQ(world.processes.launches.size(), 1u);
  const Launch& launch = world.processes.launches[0];
  EXPECT_EQ(launch.commandLine, "\"C:\\Tools\\myright.exe\" -u Guest");
  EXPECT_FALSE(launch.applicationName.has_value());
  EXPECT_EQ(launch.startup.size, 68u);
  EXPECT_EQ(launch.startup.flags, 1u);
  EXPECT_EQ(launch.startup.showWindow, 0u);
  EXPECT_TRUE(launch.waited);
  EXPECT_TRUE(world.processes.openHandles.empty());
  EXPECT_TRUE(world.processes.exitCodesRead.empty()) << "the runner itself never reads the code";
}

TEST_F(HiddenCommandTest, WaitsOnlyWhenTheFlagIsExactlyOne) {
  for (std::uint8_t flag : {0, 1, 2, 255}) {
    app::RunHiddenCommand(world.platform, "tool.exe", flag);
  }
  ASSERT_EQ(world.processes.launches.size(), 4u);
  EXPECT_FALSE(world.processes.launches[0].waited);
  EXPECT_TRUE(world.processes.launches[1].waited);
  EXPECT_FALSE(world.processes.launches[2].waited);
  EXPECT_FALSE(world.processes.launches[3].waited);
  EXPECT_TRUE(world.processes.openHandles.empty());
}

TEST_F(HiddenCommandTest, SystemToolsStartFromTheSystemFolderWithTheCommandTextUnchanged) {
  world.files.systemDirectory = "C:\\WINDOWS\\system32";
  const std::pair<const char*, const char*> cases[] = {
      {"sc config Browser start= AUTO", "C:\\WINDOWS\\system32\\sc.exe"},
      {"net user Guest /active:yes ", "C:\\WINDOWS\\system32\\net.exe"},
      {"Cscript.exe \"C:\\Temp\\netbios.vbs\"", "C:\\WINDOWS\\system32\\cscript.exe"},
      {"cscript.exe \"C:\\P\\XCACLS.vbs\"  \"D:\\x\" /T /G Guest:R /E",
       "C:\\WINDOWS\\system32\\cscript.exe"},
      {"NET.EXE share", "C:\\WINDOWS\\system32\\net.exe"},
  };
  for (const auto& [commandLine, application] : cases) {
    app::RunHiddenCommand(world.platform, commandLine, 1);
    ASSERT_FALSE(world.processes.launches.empty());
    const Launch& launch = world.processes.launches.back();
    EXPECT_EQ(launch.commandLine, commandLine);
    ASSERT_TRUE(launch.applicationName.has_value()) << commandLine;
    EXPECT_EQ(*launch.applicationName, application);
  }
}

TEST_F(HiddenCommandTest, OtherProgramsAreLeftToTheCommandLine) {
  for (const char* commandLine : {"netsh firewall", "scx.exe", "\"C:\\P\\sc.exe\" start", ""}) {
    app::RunHiddenCommand(world.platform, commandLine, 1);
  }
  for (const Launch& launch : world.processes.launches) {
    EXPECT_FALSE(launch.applicationName.has_value()) << launch.commandLine;
  }
}

TEST_F(HiddenCommandTest, AProgramThatCannotStartIsSilentAndLeavesNothingOpen) {
  world.processes.canStart = [](const Launch&) { return false; };
  app::RunHiddenCommand(world.platform, "missing.exe", 1);
  EXPECT_TRUE(world.processes.launches.empty());
  EXPECT_EQ(world.processes.refused, std::vector<std::string>{"missing.exe"});
  EXPECT_TRUE(world.messageBoxes.shown.empty());
  EXPECT_FALSE(app::RunHiddenCommandForExitCode(world.platform, "missing.exe", 1).has_value());
}

TEST_F(HiddenCommandTest, WithoutASystemFolderASystemToolIsNotStartedFromAnywhereElse) {
  world.files.systemDirectory.clear();
  app::RunHiddenCommand(world.platform, "sc start Browser", 0);
  EXPECT_TRUE(world.processes.launches.empty());
}

TEST_F(HiddenCommandTest, TheExitCodeOfAWaitedProcessReachesACallerThatAsks) {
  world.processes.run = [](const Launch& launch) {
    return launch.commandLine.find("fail") != std::string::npos ? 2u : 0u;
  };
  EXPECT_EQ(app::RunHiddenCommandForExitCode(world.platform, "net share fail", 1), 2u);
  EXPECT_EQ(app::RunHiddenCommandForExitCode(world.platform, "net share ok", 1), 0u);
  EXPECT_TRUE(world.processes.openHandles.empty());
}

TEST_F(HiddenCommandTest, AnExitCodeThatCannotBeReadIsNeverSuccess) {
  world.processes.exitCodeUnreadable = [](const Launch&) { return true; };
  const auto code = app::RunHiddenCommandForExitCode(world.platform, "net share x=C:\\x", 1);
  ASSERT_TRUE(code.has_value()) << "it did start";
  EXPECT_NE(*code, 0u);
  const app::CommandOutcome outcome = app::RunHiddenCommandAndWait(world.platform, "net share");
  EXPECT_EQ(outcome.state, app::CommandOutcome::State::ExitCodeUnread);
  EXPECT_FALSE(outcome.Succeeded());
  EXPECT_TRUE(world.processes.openHandles.empty());
}

}  // namespace
