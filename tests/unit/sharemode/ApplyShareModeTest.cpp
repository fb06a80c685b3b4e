// "Apply": the confirmation, each mode's recipe step by step, the result message, and the mode
// recorded only after the user has read it.
#include <gtest/gtest.h>

#include <optional>

#include "sharemode/ApplyShareMode.h"
#include "support/Events.h"
#include "support/TestWorld.h"

namespace {

using platform::mb::kIconInformation;
using platform::mb::kIconQuestion;
using platform::mb::kIconStop;
using platform::mb::kIdCancel;
using platform::mb::kOk;
using platform::mb::kOkCancel;
using platform::memory::RegistryValue;
using platform::memory::RegistryWrite;
using testing_support::TestWorld;

const std::string kIni = std::string(TestWorld::kProgramFolder) + "config.ini";

// The keys as the registry call must receive them: from the root, without the backslash.
const char* const kLsa001 = "SYSTEM\\ControlSet001\\Control\\Lsa";
const char* const kLsaCurrent = "SYSTEM\\CurrentControlSet\\Control\\Lsa";
const char* const kFirewall =
    "System\\CurrentControlSet\\Services\\SharedAccess\\Parameters\\FirewallPolicy\\"
    "StandardProfile";
const char* const kPorts =
    "System\\CurrentControlSet\\Services\\SharedAccess\\Parameters\\FirewallPolicy\\"
    "StandardProfile\\GloballyOpenPorts\\List";

const char* const kStopMessage =
    "Share mode changed OK! Visitors can't access your shared folder Now!";
const char* const kZendryMessage =
    "Share mode changed OK! Now visitors can access your shared folder very easy!\n\n\n"
    "You need to RESTART this computer to take effect!";
const char* const kNormalMessage =
    "Share mode changed OK! Now visitors can access your shared folder in normal way!\n\n\n"
    "You need to RESTART this computer to take effect!";

const char* const kGrantLogon =
    "\"C:\\Program Files\\Plinvo\\myright.exe\" -u Guest +r SeNetworkLogonRight";
const char* const kRevokeDeny =
    "\"C:\\Program Files\\Plinvo\\myright.exe\" -u Guest -r SeDenyNetworkLogonRight";
const char* const kRevokeLogon =
    "\"C:\\Program Files\\Plinvo\\myright.exe\" -u Guest -r SeNetworkLogonRight";
const char* const kGrantDeny =
    "\"C:\\Program Files\\Plinvo\\myright.exe\" -u Guest +r SeDenyNetworkLogonRight";
const char* const kEnableGuest = "net user Guest /active:yes ";

// One expected write: key, value name, and DWORD data or string data.
struct Expected {
  std::string key;
  std::string name;
  std::uint32_t dword = 0;
  std::optional<std::string> text;  // nullopt for a DWORD
};

std::vector<Expected> FirstSevenSteps(std::uint32_t restrictAnonymous, std::uint32_t limitBlank,
                                      const std::string& status) {
  const auto port = [&](const char* number, const char* protocol, const char* resource) {
    return std::string(number) + ":" + protocol + ":LocalSubNet:" + status + ":@xpsp2res.dll,-" +
           resource;
  };
  return {
      {kLsa001, "restrictanonymous", restrictAnonymous, std::nullopt},
      {kLsaCurrent, "restrictanonymous", restrictAnonymous, std::nullopt},
      {kLsa001, "limitblankpassworduse", limitBlank, std::nullopt},
      {kLsaCurrent, "limitblankpassworduse", limitBlank, std::nullopt},
      {kFirewall, "EnableFirewall", 1, std::nullopt},
      {kFirewall, "DoNotAllowExceptions", 0, std::nullopt},
      {kPorts, "139:TCP", 0, port("139", "TCP", "22004")},
      {kPorts, "445:TCP", 0, port("445", "TCP", "22005")},
      {kPorts, "137:UDP", 0, port("137", "UDP", "22001")},
      {kPorts, "138:UDP", 0, port("138", "UDP", "22002")},
      {kFirewall, "DisableNotifications", 0, std::nullopt},
  };
}

// Every opening of a key, in order: once per step, the two port/firewall steps taking several
// values in one opening.
const std::vector<std::string> kFirstSevenOpenings = {kLsa001,   kLsaCurrent, kLsa001,  kLsaCurrent,
                                                      kFirewall, kPorts,      kFirewall};

void ExpectWrites(const std::vector<RegistryWrite>& writes, const std::vector<Expected>& expected) {
  ASSERT_EQ(writes.size(), expected.size());
  for (std::size_t i = 0; i < writes.size(); ++i) {
    SCOPED_TRACE("write " + std::to_string(i + 1) + ": " + expected[i].name);
    EXPECT_EQ(writes[i].key, expected[i].key);
    EXPECT_EQ(writes[i].name, expected[i].name);
    if (!expected[i].text) {
      EXPECT_EQ(writes[i].value.type, RegistryValue::Type::Dword);
      EXPECT_EQ(writes[i].value.dword, expected[i].dword);
    } else {
      EXPECT_EQ(writes[i].value.type, RegistryValue::Type::String);
      EXPECT_EQ(writes[i].value.text, *expected[i].text);
    }
  }
}

class ApplyShareModeTest : public ::testing::Test {
 protected:
  ApplyShareModeTest() {
    test.world.files.PutFile(kIni, "[ShareMode]\r\nMode=1\r\n");
    main = &test.StartMainWindow();
    // What start-up did is not what these tests look at.
    test.world.messageBoxes.shown.clear();
    test.world.processes.launches.clear();
    test.world.registry.writes.clear();
    test.world.registry.openedKeys.clear();
    // Each launch notes how many registry writes came before it.
    test.world.processes.run = [this](const platform::memory::Launch&) -> std::uint32_t {
      writesBeforeLaunch.push_back(test.world.registry.writes.size());
      return 0;
    };
    // While a box is up, note what the settings file holds at that moment.
    test.world.messageBoxes.whileShown = [this](const platform::memory::ShownBox&) {
      settingsWhileShown.push_back(test.world.files.Content(kIni));
    };
  }

  void Apply(int mode) {
    test.MainForm().Memory<ui::memory::MemoryRadioGroup>("m_radiosMode").Select(mode);
    test.world.messageBoxes.shown.clear();
    settingsWhileShown.clear();
    test.MainForm().Memory<ui::memory::MemoryButton>("m_btnApply").Click();
  }

  void ExpectConfirmationThenResult(const char* result) {
    const auto& shown = test.world.messageBoxes.shown;
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "Want to change share mode?");
    EXPECT_EQ(shown[0].style, kOkCancel | kIconQuestion);
    EXPECT_EQ(shown[1].text, result);
    EXPECT_EQ(shown[1].style, kOk | kIconInformation);
    for (const auto& box : shown) {
      EXPECT_EQ(box.caption, "Plinvo");
      EXPECT_EQ(box.owner, main->Handle());
    }
  }

  void ExpectAllWaited() {
    for (const auto& launch : test.world.processes.launches) {
      EXPECT_TRUE(launch.waited) << launch.commandLine;
    }
    EXPECT_TRUE(test.world.processes.openHandles.empty());
  }

  TestWorld test;
  app::TfrmMain* main = nullptr;
  std::vector<std::size_t> writesBeforeLaunch;
  std::vector<std::string> settingsWhileShown;
};

TEST_F(ApplyShareModeTest, StopShareWritesItsRecipeAndLaunchesNothing) {
  Apply(0);

  ExpectWrites(test.world.registry.writes, FirstSevenSteps(1, 1, "Disabled"));
  EXPECT_EQ(test.world.registry.openedKeys, kFirstSevenOpenings);
  EXPECT_TRUE(test.world.registry.openHandles.empty()) << "every key closed";
  EXPECT_TRUE(test.world.processes.launches.empty());
  ExpectConfirmationThenResult(kStopMessage);
  EXPECT_EQ(settingsWhileShown,
            (std::vector<std::string>{"[ShareMode]\r\nMode=1\r\n", "[ShareMode]\r\nMode=1\r\n"}))
      << "not recorded while the result is on the screen";
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=0\r\n");
  // The time of the change goes beside the saved settings, not into config.ini.
  EXPECT_EQ(test.world.files.Content(
                "C:\\Documents and Settings\\All Users\\Application Data\\Plinvo\\last-change.txt"),
            "1800000000\r\n");
}

TEST_F(ApplyShareModeTest, ZendryShareWritesForceGuestThenLaunchesItsTools) {
  Apply(1);

  std::vector<Expected> expected = FirstSevenSteps(0, 0, "Enabled");
  expected.push_back({kLsaCurrent, "forceguest", 1, std::nullopt});
  ExpectWrites(test.world.registry.writes, expected);
  std::vector<std::string> openings = kFirstSevenOpenings;
  openings.push_back(kLsaCurrent);
  EXPECT_EQ(test.world.registry.openedKeys, openings);
  EXPECT_TRUE(test.world.registry.openHandles.empty());

  EXPECT_EQ(test.world.processes.CommandLines(),
            (std::vector<std::string>{kGrantLogon, kRevokeDeny, kEnableGuest}));
  EXPECT_EQ(writesBeforeLaunch, (std::vector<std::size_t>{12, 12, 12}));
  ExpectAllWaited();
  ExpectConfirmationThenResult(kZendryMessage);
  EXPECT_EQ(settingsWhileShown.back(), "[ShareMode]\r\nMode=1\r\n");
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=1\r\n");
  // The event log names the mode, the user and every step with its outcome, a line each.
  const std::vector<std::string> events = testing_support::EventLines(test.world.eventLog);
  ASSERT_EQ(events.size(), 1u);
  const std::string first =
      "100 info: Administrator | Zendry Share | Set HKLM\\SYSTEM\\ControlSet001\\Control\\Lsa\\"
      "restrictanonymous\r\nSet ";
  const std::string last = "\r\nRan net user Guest /active:yes : exit code 0";
  EXPECT_EQ(events[0].substr(0, first.size()), first);
  EXPECT_EQ(events[0].substr(events[0].size() - last.size()), last);
  EXPECT_NE(events[0].find("\r\nRan " + std::string(kRevokeDeny) + ": exit code 0\r\n"),
            std::string::npos);
}

TEST_F(ApplyShareModeTest, NormalShareLaunchesItsToolsThenWritesForceGuest) {
  Apply(2);

  std::vector<Expected> expected = FirstSevenSteps(0, 1, "Enabled");
  expected.push_back({kLsaCurrent, "forceguest", 0, std::nullopt});
  ExpectWrites(test.world.registry.writes, expected);
  std::vector<std::string> openings = kFirstSevenOpenings;
  openings.push_back(kLsaCurrent);
  EXPECT_EQ(test.world.registry.openedKeys, openings);

  EXPECT_EQ(test.world.processes.CommandLines(),
            (std::vector<std::string>{kRevokeLogon, kGrantDeny}));
  EXPECT_EQ(writesBeforeLaunch, (std::vector<std::size_t>{11, 11})) << "before forceguest";
  ExpectAllWaited();
  ExpectConfirmationThenResult(kNormalMessage);
  EXPECT_EQ(settingsWhileShown.back(), "[ShareMode]\r\nMode=1\r\n");
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=2\r\n");
}

TEST_F(ApplyShareModeTest, NoOptionSelectedRunsNormalShareAndRecordsMinusOne) {
  Apply(-1);

  std::vector<Expected> expected = FirstSevenSteps(0, 1, "Enabled");
  expected.push_back({kLsaCurrent, "forceguest", 0, std::nullopt});
  ExpectWrites(test.world.registry.writes, expected);
  EXPECT_EQ(test.world.processes.CommandLines(),
            (std::vector<std::string>{kRevokeLogon, kGrantDeny}));
  ExpectConfirmationThenResult(kNormalMessage);
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=-1\r\n");
  ASSERT_EQ(test.world.eventLog.events.size(), 1u);
  EXPECT_EQ(test.world.eventLog.events[0].inserts[1], u"Normal Share") << "the recipe applied";
}

TEST_F(ApplyShareModeTest, CancelOrClosingTheQuestionChangesNothing) {
  test.world.messageBoxes.answers = {kIdCancel};
  Apply(0);

  EXPECT_EQ(test.world.messageBoxes.Texts(),
            std::vector<std::string>{"Want to change share mode?"});
  EXPECT_TRUE(test.world.registry.writes.empty());
  EXPECT_TRUE(test.world.registry.openedKeys.empty());
  EXPECT_TRUE(test.world.processes.launches.empty());
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=1\r\n");
  EXPECT_EQ(main->m_radiosMode.ItemIndex(), 0) << "the pick stays on the screen";
}

TEST_F(ApplyShareModeTest, ApplyingTheSameModeAgainRunsTheWholeRecipeAgain) {
  Apply(1);
  test.world.registry.writes.clear();
  test.world.processes.launches.clear();
  Apply(1);
  EXPECT_EQ(test.world.registry.writes.size(), 12u);
  EXPECT_EQ(test.world.processes.launches.size(), 3u);
  ExpectConfirmationThenResult(kZendryMessage);
}

TEST_F(ApplyShareModeTest, StopAfterZendryLeavesForceGuestAndTheGuestAccountAlone) {
  Apply(1);
  test.world.processes.launches.clear();
  Apply(0);
  const auto forceGuest = test.world.registry.Value(kLsaCurrent, "forceguest");
  ASSERT_TRUE(forceGuest.has_value());
  EXPECT_EQ(forceGuest->dword, 1u);
  EXPECT_TRUE(test.world.processes.launches.empty());
  EXPECT_EQ(test.world.registry.Value(kLsa001, "restrictanonymous")->dword, 1u);
  EXPECT_EQ(test.world.registry.Value(kPorts, "445:TCP")->text,
            "445:TCP:LocalSubNet:Disabled:@xpsp2res.dll,-22005");
}

TEST_F(ApplyShareModeTest, ARefusedFirstWriteNamesRestrictAnonymousAndDoesNothingElse) {
  test.world.registry.writesAllowed = 0;
  Apply(1);

  const auto& shown = test.world.messageBoxes.shown;
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1].text, "Failed to set data for 'restrictanonymous'") << "no full stop";
  EXPECT_EQ(shown[1].style, kOk | kIconStop);
  EXPECT_EQ(shown[1].caption, "Plinvo");
  EXPECT_EQ(shown[1].owner, main->Handle());
  EXPECT_TRUE(test.world.registry.writes.empty());
  EXPECT_EQ(test.world.registry.openedKeys, std::vector<std::string>{kLsa001});
  EXPECT_TRUE(test.world.registry.openHandles.empty()) << "closed although the write failed";
  EXPECT_TRUE(test.world.processes.launches.empty());
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=1\r\n");
  EXPECT_EQ(testing_support::EventLines(test.world.eventLog),
            std::vector<std::string>{
                "102 error: Administrator | Zendry Share | Failed to set data for "
                "'restrictanonymous' (error 5). The steps before it stay done, none after it ran, "
                "and the mode was not recorded."});
}

TEST(RunRecipe, ARefusedWriteCarriesTheRegistrysCodeWithItsWords) {
  platform::memory::MemoryWorld world;
  world.registry.writesAllowed = 0;
  const auto run = sharemode::RunRecipe(world.platform, sharemode::RecipeFor(1), "C:\\P\\");
  ASSERT_FALSE(run.Succeeded());
  EXPECT_EQ(run.status().failure().message, "Failed to set data for 'restrictanonymous'");
  EXPECT_EQ(run.status().failure().code, 5);
}

TEST_F(ApplyShareModeTest, AKeyThatCannotBeOpenedFailsAtItsFirstWrite) {
  test.world.registry.refusedKeys.insert("system\\controlset001\\control\\lsa");
  Apply(2);
  EXPECT_EQ(test.world.messageBoxes.shown.back().text,
            "Failed to set data for 'restrictanonymous'");
  EXPECT_TRUE(test.world.registry.writes.empty());
  EXPECT_TRUE(test.world.processes.launches.empty());
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=1\r\n");
}

TEST_F(ApplyShareModeTest, ARefusedWriteInsideAStepKeepsWhatCameBefore) {
  test.world.registry.writesAllowed = 7;  // the eighth, "445:TCP", is refused
  Apply(0);

  EXPECT_EQ(test.world.messageBoxes.shown.back().text, "Failed to set data for '445:TCP'");
  std::vector<Expected> expected = FirstSevenSteps(1, 1, "Disabled");
  expected.resize(7);
  ExpectWrites(test.world.registry.writes, expected);
  EXPECT_EQ(test.world.registry.Value(kPorts, "139:TCP")->text,
            "139:TCP:LocalSubNet:Disabled:@xpsp2res.dll,-22004")
      << "kept, not rolled back";
  EXPECT_FALSE(test.world.registry.Value(kFirewall, "DisableNotifications").has_value());
  EXPECT_TRUE(test.world.registry.openHandles.empty());
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=1\r\n");
}

TEST_F(ApplyShareModeTest, ARefusedForceGuestStopsZendryBeforeItsLaunches) {
  test.world.registry.refusedValueNames.insert("forceguest");
  Apply(1);
  EXPECT_EQ(test.world.messageBoxes.shown.back().text, "Failed to set data for 'forceguest'");
  EXPECT_EQ(test.world.registry.writes.size(), 11u);
  EXPECT_TRUE(test.world.processes.launches.empty());
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=1\r\n");
}

TEST_F(ApplyShareModeTest, ARefusedForceGuestEndsNormalAfterItsLaunches) {
  test.world.registry.refusedValueNames.insert("forceguest");
  Apply(2);
  EXPECT_EQ(test.world.messageBoxes.shown.back().text, "Failed to set data for 'forceguest'");
  EXPECT_EQ(test.world.processes.CommandLines(),
            (std::vector<std::string>{kRevokeLogon, kGrantDeny}));
  EXPECT_EQ(test.world.messageBoxes.shown.size(), 2u) << "no result message";
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=1\r\n");
}

TEST_F(ApplyShareModeTest, AMissingRightsToolDoesNotStopTheRecipeButIsReported) {
  test.world.processes.canStart = [](const platform::memory::Launch& launch) {
    return launch.commandLine.find("myright.exe") == std::string::npos;
  };
  Apply(1);

  EXPECT_EQ(test.world.processes.refused, (std::vector<std::string>{kGrantLogon, kRevokeDeny}));
  EXPECT_EQ(test.world.processes.CommandLines(), std::vector<std::string>{kEnableGuest});
  EXPECT_EQ(test.world.registry.writes.size(), 12u);
  const auto& shown = test.world.messageBoxes.shown;
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[1].text, kZendryMessage);
  EXPECT_EQ(shown[2].text,
            "The share mode was changed, but not every step succeeded.\n\n"
            "\"myright.exe -u Guest +r SeNetworkLogonRight\" could not be started. The guest "
            "account may still lack the right to log on from the network: visitors may not reach "
            "your shared folders.\n\n"
            "\"myright.exe -u Guest -r SeDenyNetworkLogonRight\" could not be started. The guest "
            "account may still be denied logon from the network: visitors may not reach your "
            "shared folders.");
  EXPECT_EQ(shown[2].style, kOk | platform::mb::kIconWarning);
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=1\r\n");
}

TEST_F(ApplyShareModeTest, AToolThatFailsIsNamedWithItsCodeAfterTheResultAndTheRecording) {
  test.world.processes.run = [](const platform::memory::Launch& launch) -> std::uint32_t {
    return launch.commandLine == kGrantDeny ? 5u : 0u;
  };
  Apply(2);

  std::vector<Expected> expected = FirstSevenSteps(0, 1, "Enabled");
  expected.push_back({kLsaCurrent, "forceguest", 0, std::nullopt});
  ExpectWrites(test.world.registry.writes, expected);
  const auto& shown = test.world.messageBoxes.shown;
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[1].text, kNormalMessage);
  EXPECT_EQ(shown[1].style, kOk | kIconInformation);
  EXPECT_EQ(shown[2].text,
            "The share mode was changed, but not every step succeeded.\n\n"
            "\"myright.exe -u Guest +r SeDenyNetworkLogonRight\" ended with error code 5. The "
            "guest account may not be denied logon from the network: visitors without an account "
            "of their own may still come in as guest.");
  EXPECT_EQ(shown[2].style, kOk | platform::mb::kIconWarning);
  EXPECT_EQ(shown[2].caption, "Plinvo");
  EXPECT_EQ(shown[2].owner, main->Handle());
  EXPECT_EQ(settingsWhileShown,
            (std::vector<std::string>{"[ShareMode]\r\nMode=1\r\n", "[ShareMode]\r\nMode=1\r\n",
                                      "[ShareMode]\r\nMode=2\r\n"}))
      << "the mode is recorded as ever, before the warning";
  ExpectAllWaited();
  const std::vector<std::string> events = testing_support::EventLines(test.world.eventLog);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].rfind("101 warning: Administrator | Normal Share | Set HKLM", 0), 0u);
  EXPECT_NE(
      events[0].find("\r\nRan " + std::string(kGrantDeny) + ": did not succeed (see below)\r\n"),
      std::string::npos);
  EXPECT_NE(events[0].find(" | The share mode was changed, but not every step succeeded.\r\n\r\n"
                           "\"myright.exe -u Guest +r SeDenyNetworkLogonRight\" ended with error "
                           "code 5."),
            std::string::npos);
}

TEST_F(ApplyShareModeTest, AnExitCodeThatCannotBeReadCountsAsAFailure) {
  test.world.processes.exitCodeUnreadable = [](const platform::memory::Launch& launch) {
    return launch.commandLine == kEnableGuest;
  };
  Apply(1);

  const auto& shown = test.world.messageBoxes.shown;
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[1].text, kZendryMessage);
  EXPECT_EQ(shown[2].text,
            "The share mode was changed, but not every step succeeded.\n\n"
            "\"net user Guest /active:yes\" ended, but its exit code could not be read. The guest "
            "account may still be disabled: visitors may not reach your shared folders.");
  EXPECT_TRUE(test.world.processes.openHandles.empty());
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=1\r\n");
}

TEST_F(ApplyShareModeTest, MissingKeysAreCreated) {
  EXPECT_FALSE(test.world.registry.KeyExists(kPorts));
  Apply(2);
  EXPECT_TRUE(test.world.registry.KeyExists(kPorts));
  EXPECT_EQ(test.world.registry.Value(kPorts, "138:UDP")->text,
            "138:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22002");
}

TEST_F(ApplyShareModeTest, RecordingKeepsTheRestOfTheSettingsFile) {
  // An older Plinvo's "Applied" is left as it is.
  test.world.files.PutFile(kIni, "[Window]\r\nLeft=10\r\n[ShareMode]\r\nMode=1\r\nApplied=5\r\n");
  Apply(0);
  EXPECT_EQ(test.world.files.Content(kIni),
            "[Window]\r\nLeft=10\r\n[ShareMode]\r\nMode=0\r\nApplied=5\r\n");
}

TEST_F(ApplyShareModeTest, AFailedRecordingIsNotReported) {
  test.world.files.unwritable.insert("c:\\program files\\plinvo\\config.ini");
  Apply(0);
  ExpectConfirmationThenResult(kStopMessage);
  EXPECT_EQ(test.world.files.Content(kIni), "[ShareMode]\r\nMode=1\r\n");
}

TEST_F(ApplyShareModeTest, TheAppliedModeIsRestoredAtTheNextStart) {
  Apply(0);
  test.mainWindow.reset();
  app::TfrmMain& again = test.StartMainWindow();
  EXPECT_EQ(again.m_radiosMode.ItemIndex(), 0);
}

}  // namespace
