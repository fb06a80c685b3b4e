// Undoing a share mode: what is saved before a recipe's first write, the confirmation in plain
// words, the values and the guest account set back, the honest report, and the uninstaller's
// silent restore.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/UnattendedVerbs.h"
#include "sharemode/SettingsHistory.h"
#include "sharemode/UndoModeChange.h"
#include "support/Events.h"
#include "support/TestWorld.h"

namespace {

using platform::mb::kIconQuestion;
using platform::mb::kIconStop;
using platform::mb::kIconWarning;
using platform::mb::kIdCancel;
using platform::mb::kOkCancel;
using platform::memory::RegistryValue;
using testing_support::TestWorld;

const std::string kIni = std::string(TestWorld::kProgramFolder) + "config.ini";
const char* const kLsa001 = "SYSTEM\\ControlSet001\\Control\\Lsa";
const char* const kLsaCurrent = "SYSTEM\\CurrentControlSet\\Control\\Lsa";
const char* const kPorts =
    "System\\CurrentControlSet\\Services\\SharedAccess\\Parameters\\FirewallPolicy\\"
    "StandardProfile\\GloballyOpenPorts\\List";
const char* const kRecordFile =
    "C:\\Documents and Settings\\All Users\\Application Data\\Plinvo\\settings-before.txt";
const char* const kAdapter =
    "SYSTEM\\CurrentControlSet\\Services\\NetBT\\Parameters\\Interfaces\\Tcpip_{4D36E972-0001}";
const char* const kClosedPort = "139:TCP:LocalSubNet:Disabled:@xpsp2res.dll,-22004";
const char* const kBack = "The settings are back as they were. Changed back:\n";

// The report after a restore that changed back `lines` ("- ...\n" each) and nothing failed.
std::string Done(const std::string& lines) {
  return kBack + lines + "\n\nYou need to RESTART this computer to take effect!";
}

RegistryValue Dword(std::uint32_t value) { return {RegistryValue::Type::Dword, value, {}, 0}; }
RegistryValue Text(const std::string& text) { return {RegistryValue::Type::String, 0, text, 0}; }

class UndoModeChangeTest : public ::testing::Test {
 protected:
  UndoModeChangeTest() {
    // The computer before Plinvo: anonymous listing restricted (5, a value no mode writes),
    // no blank-password rule at all, port 139 closed, no forceguest, the guest account
    // disabled and refused network logon.
    auto& registry = test.world.registry;
    registry.Put(kLsa001, "restrictanonymous", Dword(5));
    registry.Put(kLsaCurrent, "restrictanonymous", Dword(5));
    registry.Put(kPorts, "139:TCP", Text(kClosedPort));
    test.world.shareService.userFlags[u"Guest"] = 0x2 | 0x200;
    test.world.accountRights.accounts["Guest"] = {"SeDenyNetworkLogonRight"};
    test.world.files.PutFile(kIni, "[ShareMode]\r\nMode=2\r\n");
    test.StartMainWindow();
    test.world.processes.run = [this](const platform::memory::Launch& launch) {
      if (exitCodes.count(launch.commandLine)) return exitCodes[launch.commandLine];
      Simulate(launch.commandLine);
      return 0u;
    };
  }

  // What the tools do to the account and its rights.
  void Simulate(const std::string& line) {
    auto& flags = test.world.shareService.userFlags[u"Guest"];
    if (line.find("net user Guest /active:") == 0) {
      flags = line.find(":yes") != std::string::npos ? flags & ~0x2u : flags | 0x2u;
    }
    const std::string config = "sc config Browser start= ";
    if (line.rfind(config, 0) == 0) {
      const std::string type = line.substr(config.size());
      test.world.services.installed["Browser"].startType = type == "AUTO" || type == "auto" ? 2
                                                           : type == "demand"               ? 3
                                                                                            : 4;
    }
    if (line.rfind("Cscript.exe", 0) == 0 && Value(kAdapter, "NetbiosOptions")) {
      test.world.registry.Put(kAdapter, "NetbiosOptions", Dword(1));
    }
    const std::string::size_type right = line.find("myright.exe\" -u Guest ");
    if (right == std::string::npos) return;
    const std::string action = line.substr(right + 22, 2);
    const std::string name = line.substr(right + 25);
    auto& held = test.world.accountRights.accounts["Guest"];
    if (action == "+r") held.insert(name);
    if (action == "-r") held.erase(name);
  }

  void Apply(int mode) {
    test.MainForm().Memory<ui::memory::MemoryRadioGroup>("m_radiosMode").Select(mode);
    test.MainForm().Memory<ui::memory::MemoryButton>("m_btnApply").Click();
  }
  // Chooses a File entry; returns the boxes it showed.
  std::vector<platform::memory::ShownBox> Choose(const char* entry) {
    test.world.messageBoxes.shown.clear();
    launchesBefore = test.world.processes.launches.size();
    test.MainForm().MemoryMenu(entry).Click();
    return test.world.messageBoxes.shown;
  }
  // The command lines started by the last File entry.
  std::vector<std::string> Started() {
    const auto all = test.world.processes.CommandLines();
    return std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(launchesBefore),
                                    all.end());
  }
  std::optional<RegistryValue> Value(const char* key, const char* name) {
    return test.world.registry.Value(key, name);
  }
  int SelectedMode() {
    return test.MainForm().Memory<ui::memory::MemoryRadioGroup>("m_radiosMode").ItemIndex();
  }

  TestWorld test;
  std::map<std::string, std::uint32_t> exitCodes;
  std::size_t launchesBefore = 0;
};

TEST_F(UndoModeChangeTest, UndoAfterZendryShareListsAndRestoresEveryChangedSetting) {
  Apply(1);
  ASSERT_EQ(Value(kLsaCurrent, "forceguest")->dword, 1u);

  const auto boxes = Choose("menuUndoMode");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].style, kOkCancel | kIconQuestion);
  const std::string listed =
      "- Anonymous visitors kept from listing accounts and shares: 5\n"
      "- Network logons with a blank password refused: not set (the value is removed)\n"
      "- Windows Firewall: not set (the value is removed)\n"
      "- Windows Firewall without exceptions: not set (the value is removed)\n"
      "- Firewall opening for port 139:TCP: closed\n"
      "- Firewall opening for port 445:TCP: not set (the value is removed)\n"
      "- Firewall opening for port 137:UDP: not set (the value is removed)\n"
      "- Firewall opening for port 138:UDP: not set (the value is removed)\n"
      "- Windows Firewall notifications switched off: not set (the value is removed)\n"
      "- Every network visitor comes in as the guest account: not set (the value is "
      "removed)\n"
      "- The guest account: disabled\n"
      "- The guest account is refused logon from the network: yes\n"
      "- The guest account may log on from the network: no\n";
  EXPECT_EQ(boxes[0].text,
            "Undo the last share-mode change? These settings go back to what they were before "
            "it:\n\n" +
                listed + "\nAfterwards no share mode is shown as applied.");
  EXPECT_EQ(boxes[1].text, Done(listed));

  // A different value before: written back; absent before: deleted.
  EXPECT_EQ(Value(kLsa001, "restrictanonymous")->dword, 5u);
  EXPECT_EQ(Value(kLsaCurrent, "restrictanonymous")->dword, 5u);
  EXPECT_EQ(Value(kPorts, "139:TCP")->text, kClosedPort);
  EXPECT_FALSE(Value(kLsaCurrent, "forceguest"));
  EXPECT_FALSE(Value(kLsa001, "limitblankpassworduse"));
  EXPECT_FALSE(Value(kPorts, "445:TCP"));
  // The guest account disabled before: switched off again, its rights as they were.
  EXPECT_EQ(Started(),
            (std::vector<std::string>{
                "net user Guest /active:no",
                "\"C:\\Program Files\\Plinvo\\myright.exe\" -u Guest +r SeDenyNetworkLogonRight",
                "\"C:\\Program Files\\Plinvo\\myright.exe\" -u Guest -r SeNetworkLogonRight"}));
  const auto& read = test.world.processes.exitCodesRead;  // each outcome read
  ASSERT_GE(read.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(read.end() - 3, read.end()), Started());
  // No mode is applied any more: nothing selected, and so recorded.
  EXPECT_EQ(SelectedMode(), -1);
  EXPECT_NE(test.world.files.Content(kIni).find("Mode=-1"), std::string::npos);
  // Undone once: there is no second undo of the same change.
  EXPECT_EQ(Choose("menuUndoMode")[0].text, "There is no share-mode change to undo.");
}

TEST_F(UndoModeChangeTest, UndoGoesBackOneChangeAndRestoreToBeforeTheFirst) {
  Apply(0);  // restrictanonymous 5 -> 1
  Apply(1);  // 1 -> 0, and forceguest appears
  Apply(1);  // again: changes nothing, so the record of before Zendry Share stays
  Choose("menuUndoMode");
  EXPECT_EQ(Value(kLsa001, "restrictanonymous")->dword, 1u);
  EXPECT_FALSE(Value(kLsaCurrent, "forceguest"));
  EXPECT_EQ(Started(), (std::vector<std::string>{"net user Guest /active:no",
                                                 "\"C:\\Program Files\\Plinvo\\myright.exe\" -u "
                                                 "Guest +r SeDenyNetworkLogonRight",
                                                 "\"C:\\Program Files\\Plinvo\\myright.exe\" -u "
                                                 "Guest -r SeNetworkLogonRight"}));

  Apply(2);  // Normal Share writes forceguest 0
  const auto boxes = Choose("menuRestoreSettings");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text.rfind("Restore the settings this computer had before Plinvo first "
                                "changed them? These settings go back:\n\n- Anonymous visitors "
                                "kept from listing accounts and shares: 5\n",
                                0),
            0u);
  EXPECT_EQ(boxes[1].text.rfind(kBack, 0), 0u) << boxes[1].text;
  EXPECT_EQ(Value(kLsa001, "restrictanonymous")->dword, 5u);
  EXPECT_FALSE(Value(kLsaCurrent, "forceguest"));  // first touched by the second change
  EXPECT_FALSE(test.world.files.FileExists(kRecordFile));
  // Each change in the event log: four modes applied, one undone, the settings restored.
  std::vector<std::string> ids;
  for (const std::string& line : testing_support::EventLines(test.world.eventLog)) {
    ids.push_back(line.substr(0, line.find(':')));
  }
  EXPECT_EQ(ids, (std::vector<std::string>{"100 info", "100 info", "100 info", "110 info",
                                           "100 info", "112 info"}));
}

TEST_F(UndoModeChangeTest, FixFromTheSharingCheckKeepsWhatWasThereBeforeTheMode) {
  Apply(1);
  // Another program switched the guest account off: the check's guest row offers Fix, which
  // applies Zendry Share again through "Apply".
  test.world.shareService.userFlags[u"Guest"] |= 0x2;
  test.forms.onShowModal = [](ui::memory::MemoryForm& dialog) {
    auto& list = dialog.Memory<ui::memory::MemoryListView>("m_listChecks");
    for (int row = 0; row < list.RowCount(); ++row) {
      if (list.Cell(row, 0) == "Guest account") list.Select(row);
    }
    dialog.Memory<ui::memory::MemoryButton>("m_btnFix").Click();
  };
  Choose("menuCheckSharing");
  ASSERT_EQ(Started().size(), 3u) << "Fix applied the mode";

  const auto boxes = Choose("menuUndoMode");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[0].text.find("- Anonymous visitors kept from listing accounts and shares: 5\n"
                               "- Network logons with a blank password refused: not set"),
            std::string::npos)
      << boxes[0].text;
  EXPECT_EQ(boxes[1].text.rfind(kBack, 0), 0u) << boxes[1].text;
  // Back to before Zendry Share, not to Zendry Share itself.
  EXPECT_EQ(Value(kLsa001, "restrictanonymous")->dword, 5u);
  EXPECT_FALSE(Value(kLsaCurrent, "forceguest"));
  EXPECT_FALSE(Value(kPorts, "445:TCP"));
  EXPECT_EQ(test.world.shareService.userFlags[u"Guest"] & 0x2u, 0x2u);
  EXPECT_EQ(test.world.accountRights.accounts["Guest"],
            std::set<std::string>{"SeDenyNetworkLogonRight"});
}

TEST_F(UndoModeChangeTest, WhatTheStartUpChangesIsSavedOnceAndPutBackByRestore) {
  platform::memory::MemoryWorld& world = test.world;
  world.services.installed["Browser"].startType = 3;         // started on demand
  world.registry.Put(kAdapter, "NetbiosOptions", Dword(2));  // NetBIOS off
  test.StartMainWindow();
  EXPECT_EQ(world.services.installed["Browser"].startType, 2u);
  EXPECT_EQ(Value(kAdapter, "NetbiosOptions")->dword, 1u);
  test.StartMainWindow();  // finds them changed, and keeps the record of before
  Apply(1);

  const auto boxes = Choose("menuRestoreSettings");
  ASSERT_EQ(boxes.size(), 2u);
  for (const char* line : {"- NetBIOS over TCP/IP of the network adapter {4D36E972-0001}: off\n",
                           "- The Computer Browser service starts: when asked (manually)\n"}) {
    EXPECT_NE(boxes[0].text.find(line), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[1].text.find(line), std::string::npos) << boxes[1].text;
  }
  EXPECT_EQ(Value(kAdapter, "NetbiosOptions")->dword, 2u);
  EXPECT_EQ(world.services.installed["Browser"].startType, 3u);
  EXPECT_EQ(Started().back(), "sc config Browser start= demand");
  EXPECT_EQ(world.processes.exitCodesRead.back(), "sc config Browser start= demand");
}

TEST_F(UndoModeChangeTest, TheStartUpWritesNothingIntoAFolderSomeoneElseMade) {
  // An ordinary user made "Plinvo" first; the start-up, which tells nobody, neither writes into
  // it nor makes a folder of its own: that is left to a change the user asks for.
  platform::memory::MemoryWorld& world = test.world;
  const std::string planted = world.files.commonAppDataFolder + "\\Plinvo";
  world.files.PutDirectory(planted);
  world.services.installed["Browser"].startType = 3;
  world.files.privateDirectoriesCreated.clear();
  test.StartMainWindow();
  EXPECT_EQ(world.services.installed["Browser"].startType, 2u);
  EXPECT_FALSE(world.files.FileExists(planted + "\\settings-before.txt"));
  for (const std::string& made : world.files.privateDirectoriesCreated) {
    EXPECT_NE(made.rfind(world.files.commonAppDataFolder, 0), 0u) << made;
  }
}

TEST_F(UndoModeChangeTest, FailedStepsAreToldAndTheRecordIsKept) {
  Apply(1);
  exitCodes["net user Guest /active:no"] = 2;
  test.world.registry.refusedValueNames = {"limitblankpassworduse"};
  const auto boxes = Choose("menuUndoMode");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].style & 0xF0u, kIconWarning);
  EXPECT_EQ(boxes[1].text.rfind(
                "Not every setting could be set back:\n"
                "- Network logons with a blank password refused (limitblankpassworduse) could not "
                "be set back: Windows refused access. Plinvo needs administrator rights: start it "
                "again as an administrator (error 5).\n"
                "- The guest account could not be disabled: the tool answered 2.\n"
                "\nChanged back:\n- Anonymous visitors kept from listing accounts and shares: 5\n",
                0),
            0u)
      << boxes[1].text;
  // Tried again once the cause is gone: only what is still not as saved is changed back.
  exitCodes.clear();
  test.world.registry.refusedValueNames.clear();
  EXPECT_EQ(Choose("menuUndoMode")[1].text,
            Done("- Network logons with a blank password refused: not set (the value is "
                 "removed)\n- The guest account: disabled\n"));
  // The event log has the partial undo as a warning with the box's words, then the rest.
  const std::vector<std::string> events = testing_support::EventLines(test.world.eventLog);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[1].rfind("111 warning: Administrator | Not every setting could be set back:\r\n"
                            "- Network logons with a blank password refused",
                            0),
            0u)
      << events[1];
  EXPECT_EQ(events[2].rfind("110 info: Administrator | ", 0), 0u) << events[2];
}

TEST_F(UndoModeChangeTest, CancelAndAMissingRecordChangeNothing) {
  EXPECT_EQ(Choose("menuRestoreSettings")[0].text,
            "Plinvo has not changed this computer's settings: there is nothing to restore.");
  Apply(1);
  test.world.messageBoxes.answers = {kIdCancel};
  Choose("menuUndoMode");
  EXPECT_EQ(Value(kLsaCurrent, "forceguest")->dword, 1u);
  EXPECT_TRUE(Started().empty());
}

// A key gone since the record was made holds none of its values: nothing to delete there, and
// nothing said to be changed back.
TEST_F(UndoModeChangeTest, ValuesWhoseKeyIsGoneAreAlreadyAsSavedNotFailures) {
  const char* const firewall =
      "System\\CurrentControlSet\\Services\\SharedAccess\\Parameters\\FirewallPolicy\\"
      "StandardProfile";
  // The firewall's key is there, without the values the mode writes into it.
  test.world.registry.Put(firewall, "DisableUnicastResponsesToMulticastBroadcast", Dword(0));
  Apply(1);
  test.world.registry.RemoveKey(firewall);
  const auto boxes = Choose("menuUndoMode");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text,
            Done("- Anonymous visitors kept from listing accounts and shares: 5\n"
                 "- Network logons with a blank password refused: not set (the value is "
                 "removed)\n"
                 "- Firewall opening for port 139:TCP: closed\n"
                 "- Every network visitor comes in as the guest account: not set (the value is "
                 "removed)\n"
                 "- The guest account: disabled\n"
                 "- The guest account is refused logon from the network: yes\n"
                 "- The guest account may log on from the network: no\n"));
  EXPECT_EQ(boxes[1].style & 0xF0u, platform::mb::kIconInformation);
  EXPECT_FALSE(test.world.registry.KeyExists(firewall));
  EXPECT_EQ(SelectedMode(), -1);

  test.world.registry.RemoveKey(firewall);
  EXPECT_EQ(app::RunVerbCommandLine(test.world.platform, TestWorld::kProgramFolder,
                                    "/RestoreWindowsSettings"),
            0);
}

// The adapter was removed, and its NetBIOS setting with it: nothing went back, nothing failed.
TEST_F(UndoModeChangeTest, TheSettingOfAnAdapterGoneSinceIsNeitherChangedBackNorAFailure) {
  test.world.registry.Put(kAdapter, "NetbiosOptions", Dword(2));
  test.StartMainWindow();
  test.world.registry.RemoveKey(kAdapter);
  test.world.adapters.adapters.clear();
  const auto boxes = Choose("menuRestoreSettings");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[0].text.find("- NetBIOS over TCP/IP of the network adapter {4D36E972-0001}: "
                               "off\n"),
            std::string::npos)
      << boxes[0].text;
  EXPECT_EQ(boxes[1].text, "The settings were already as saved: nothing had to be changed back.");
  EXPECT_FALSE(test.world.registry.KeyExists(kAdapter));
}

// Someone put part of it back by hand: that part is neither set again nor said to be.
TEST_F(UndoModeChangeTest, WhatIsAlreadyAsSavedIsNeitherSetAgainNorListed) {
  test.world.services.installed["Browser"].startType = 3;
  test.StartMainWindow();
  Apply(1);
  test.world.services.installed["Browser"].startType = 3;
  test.world.shareService.userFlags[u"Guest"] |= 0x2;
  test.world.accountRights.accounts["Guest"] = {"SeDenyNetworkLogonRight"};
  test.world.registry.Put(kLsa001, "restrictanonymous", Dword(5));
  test.world.registry.Put(kLsaCurrent, "restrictanonymous", Dword(5));
  const auto boxes = Choose("menuRestoreSettings");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text,
            Done("- Network logons with a blank password refused: not set (the value is "
                 "removed)\n"
                 "- Windows Firewall: not set (the value is removed)\n"
                 "- Windows Firewall without exceptions: not set (the value is removed)\n"
                 "- Firewall opening for port 139:TCP: closed\n"
                 "- Firewall opening for port 445:TCP: not set (the value is removed)\n"
                 "- Firewall opening for port 137:UDP: not set (the value is removed)\n"
                 "- Firewall opening for port 138:UDP: not set (the value is removed)\n"
                 "- Windows Firewall notifications switched off: not set (the value is "
                 "removed)\n"
                 "- Every network visitor comes in as the guest account: not set (the value is "
                 "removed)\n"));
  EXPECT_EQ(Started(), std::vector<std::string>{});
}

TEST_F(UndoModeChangeTest, APartialUndoKeepsTheModeRecordedUntilAllWentBack) {
  Apply(1);
  exitCodes["net user Guest /active:no"] = 2;
  const auto boxes = Choose("menuUndoMode");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text.rfind("Not every setting could be set back:\n", 0), 0u);
  EXPECT_EQ(SelectedMode(), 1);
  EXPECT_NE(test.world.files.Content(kIni).find("Mode=1"), std::string::npos);

  exitCodes.clear();
  const auto again = Choose("menuUndoMode");
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(again[1].text, Done("- The guest account: disabled\n"));
  EXPECT_EQ(SelectedMode(), -1);
  EXPECT_NE(test.world.files.Content(kIni).find("Mode=-1"), std::string::npos);
}

TEST_F(UndoModeChangeTest, AnUndoWhereEveryStepFailedSaysNothingWasChanged) {
  Apply(1);
  const std::string changeTime = test.world.files.Content(
      "C:\\Documents and Settings\\All Users\\Application Data\\Plinvo\\last-change.txt");
  test.world.registry.refusedValueNames = {"restrictanonymous",
                                           "limitblankpassworduse",
                                           "enablefirewall",
                                           "donotallowexceptions",
                                           "139:tcp",
                                           "445:tcp",
                                           "137:udp",
                                           "138:udp",
                                           "disablenotifications",
                                           "forceguest"};
  test.world.processes.run = [](const platform::memory::Launch&) { return 1u; };
  test.world.clock.now += 600;  // nothing changed then: the time of the last change stays
  const auto boxes = Choose("menuUndoMode");
  ASSERT_EQ(boxes.size(), 2u);
  const std::string& report = boxes[1].text;
  EXPECT_EQ(report.rfind("Not every setting could be set back:\n", 0), 0u) << report;
  const std::string nothing = "\n\nNothing was changed.";
  EXPECT_EQ(report.compare(report.size() - nothing.size(), nothing.size(), nothing), 0) << report;
  EXPECT_EQ(report.find("RESTART"), std::string::npos) << report;
  EXPECT_EQ(test.world.files.Content("C:\\Documents and Settings\\All Users\\Application "
                                     "Data\\Plinvo\\last-change.txt"),
            changeTime);
  EXPECT_EQ(SelectedMode(), 1);
}

// Applying Zendry Share again, after another mode, finds the guest account on: the record of
// before the first change still says off, and Restore switches it off.
TEST_F(UndoModeChangeTest, TheFirstRecordKeepsTheGuestAccountAsItWasBeforeTheFirstChange) {
  Apply(1);
  Apply(2);
  Apply(1);
  const auto boxes = Choose("menuRestoreSettings");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[0].text.find("- The guest account: disabled\n"), std::string::npos)
      << boxes[0].text;
  const std::vector<std::string> started = Started();
  EXPECT_NE(std::find(started.begin(), started.end(), "net user Guest /active:no"), started.end());
  EXPECT_EQ(test.world.shareService.userFlags[u"Guest"] & 0x2u, 0x2u);
}

TEST_F(UndoModeChangeTest, TheListSaysOnAndOffAsTheValuesWere) {
  Apply(0);  // 1 for both: anonymous listing and blank passwords refused
  Apply(1);  // 0 for both
  const std::string refused =
      "- Anonymous visitors kept from listing accounts and shares: on\n"
      "- Network logons with a blank password refused: on\n";
  auto boxes = Choose("menuUndoMode");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[0].text.find(refused), std::string::npos) << boxes[0].text;
  EXPECT_NE(boxes[1].text.find(refused), std::string::npos) << boxes[1].text;
  EXPECT_EQ(Value(kLsaCurrent, "restrictanonymous")->dword, 1u);

  Apply(1);
  Apply(0);
  boxes = Choose("menuUndoMode");
  ASSERT_EQ(boxes.size(), 2u);
  const std::string allowed =
      "- Anonymous visitors kept from listing accounts and shares: off\n"
      "- Network logons with a blank password refused: off\n";
  EXPECT_NE(boxes[0].text.find(allowed), std::string::npos) << boxes[0].text;
  EXPECT_EQ(Value(kLsaCurrent, "restrictanonymous")->dword, 0u);
}

// A record that was changed into something Plinvo never writes is not read at all: neither
// the menu nor the uninstaller's restore changes anything.
TEST_F(UndoModeChangeTest, ADamagedRecordChangesNothingAndTheUninstallerAnswersOne) {
  Apply(1);
  const std::string written = test.world.files.Content(kRecordFile);
  ASSERT_NE(written.find("[first]\n"), std::string::npos);
  ASSERT_NE(written.find("[last]\n"), std::string::npos);
  const std::string unreadable = "The saved settings could not be read from " +
                                 std::string(kRecordFile) + ". Nothing was changed.";
  const std::size_t launched = test.world.processes.launches.size();
  for (const char* damage : {"[last]\n", "[first]\nguest\tenabled\n", "value\tforceguest\n"}) {
    test.world.files.PutFile(kRecordFile, written + damage);
    EXPECT_EQ(app::RunVerbCommandLine(test.world.platform, TestWorld::kProgramFolder,
                                      "/RestoreWindowsSettings"),
              1)
        << damage;
    for (const char* entry : {"menuUndoMode", "menuRestoreSettings"}) {
      const auto boxes = Choose(entry);
      ASSERT_EQ(boxes.size(), 1u) << damage;
      EXPECT_EQ(boxes[0].text, unreadable);
      EXPECT_EQ(boxes[0].style & 0xF0u, kIconStop);
    }
    EXPECT_EQ(Value(kLsaCurrent, "forceguest")->dword, 1u) << damage;
    EXPECT_NE(test.world.files.Content(kIni).find("Mode=1"), std::string::npos) << damage;
  }
  EXPECT_EQ(test.world.processes.launches.size(), launched);
}

TEST_F(UndoModeChangeTest, TheUninstallerAnswersOneForARecordItCannotTrust) {
  const std::string common = test.world.files.commonAppDataFolder;
  test.world.files.PutDirectory(common + "\\Plinvo");
  test.world.files.PutFile(common + "\\Plinvo\\settings-before.txt",
                           "Plinvo saved settings 1\n[first]\nvalue\t\\SYSTEM\\CurrentControlSet\\"
                           "Control\\Lsa\tforceguest\t4\t01000000\n");
  EXPECT_EQ(app::RunVerbCommandLine(test.world.platform, TestWorld::kProgramFolder,
                                    "/RestoreWindowsSettings"),
            1);
  EXPECT_FALSE(Value(kLsaCurrent, "forceguest"));
  EXPECT_NE(test.world.files.Content(kIni).find("Mode=2"), std::string::npos);
}

// Names go between tabs and line ends in the file: one holding either would read back as
// other names, so such a record is not written.
TEST_F(UndoModeChangeTest, ARecordWithATabOrLineBreakInANameIsNotWritten) {
  Apply(1);
  const std::string written = test.world.files.Content(kRecordFile);
  const std::function<void(sharemode::SavedSettings&)> damages[] = {
      [](sharemode::SavedSettings& r) {
        r.values.push_back({"\\K\tx", "v", false, {}});
      },
      [](sharemode::SavedSettings& r) {
        r.values.push_back({"\\K", "v\nright\tSeTcb", false, {}});
      },
      [](sharemode::SavedSettings& r) { r.guestRights["SeTcbPrivilege\r"] = true; },
      [](sharemode::SavedSettings& r) { r.serviceStartTypes["Browser\n"] = 2; },
  };
  for (const auto& damage : damages) {
    sharemode::SettingsHistory history;
    ASSERT_EQ(sharemode::LoadHistory(test.world.files, history), sharemode::HistoryRead::Read);
    damage(*history.first);
    EXPECT_FALSE(sharemode::SaveHistory(test.world.files, history));
    EXPECT_EQ(test.world.files.Content(kRecordFile), written);
  }
}

// The uninstaller's restore is one of the unattended verbs; the setup's call stands alone.
bool IsRestoreLine(const std::string& line) {
  const app::VerbCommand command = app::ParseVerbCommandLine(line);
  return app::IsVerbCommandLine(line) && command.problem.empty() &&
         command.verb == app::Verb::RestoreWindowsSettings;
}

TEST(RestoreCommandLine, IsMatchedWhateverTheLetterCase) {
  for (const char* line :
       {"/RestoreWindowsSettings", "/RESTOREWINDOWSSETTINGS", "\t/restoreWindowsSettings "}) {
    EXPECT_TRUE(IsRestoreLine(line)) << line;
    EXPECT_FALSE(sharemode::IsCreateFolderCommandLine(line)) << line;
  }
  for (const char* line : {"/CreateSettingsFolder", "/CREATESETTINGSFOLDER"}) {
    EXPECT_TRUE(sharemode::IsCreateFolderCommandLine(line)) << line;
    EXPECT_FALSE(app::IsVerbCommandLine(line)) << line;
  }
  EXPECT_FALSE(IsRestoreLine("/RestoreWindowsSetting"));
}

TEST_F(UndoModeChangeTest, AFolderSomeoneElseMadeFirstIsPassedByWithOneNotice) {
  // An ordinary user made "Plinvo" before Plinvo did, and "Plinvo-1" beside it, each with a
  // record of their own.
  platform::memory::MemoryWorld& world = test.world;
  const std::string common = world.files.commonAppDataFolder;
  const std::string planted =
      "Plinvo saved settings 1\n[last]\nvalue\t\\SYSTEM\\CurrentControlSet\\Control\\Lsa\t"
      "forceguest\t4\t07000000\n";
  for (const char* name : {"\\Plinvo", "\\Plinvo-1"}) {
    world.files.PutDirectory(common + name);
    world.files.PutFile(common + name + "\\settings-before.txt", planted);
  }
  const auto refused = Choose("menuUndoMode");
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_EQ(refused[0].style & 0xF0u, kIconStop);
  EXPECT_NE(refused[0].text.find("cannot be trusted"), std::string::npos);

  world.messageBoxes.shown.clear();
  world.files.privateDirectoriesCreated.clear();
  Apply(1);
  ASSERT_EQ(world.files.privateDirectoriesCreated.size(), 1u);
  const std::string own = world.files.privateDirectoriesCreated[0];
  EXPECT_EQ(own.rfind(common + "\\Plinvo-", 0), 0u) << own;
  ASSERT_EQ(world.messageBoxes.shown.size(), 3u);  // question, notice, result
  EXPECT_EQ(world.messageBoxes.shown[1].text,
            "Plinvo cannot be sure that only administrators can change the folder " + common +
                "\\Plinvo, so from now on it keeps the settings it saves in " + own + ".");
  EXPECT_TRUE(world.files.FileExists(own + "\\last-change.txt"));

  // Found again by its access list: no second notice, and undo works from it.
  world.messageBoxes.shown.clear();
  Apply(0);
  EXPECT_EQ(world.messageBoxes.shown.size(), 2u);
  EXPECT_EQ(Choose("menuUndoMode")[1].text.rfind(kBack, 0), 0u);
  EXPECT_EQ(Value(kLsaCurrent, "forceguest")->dword, 1u);
  EXPECT_EQ(world.files.Content(common + "\\Plinvo\\settings-before.txt"), planted);
}

TEST_F(UndoModeChangeTest, AnEditedRecordIsCarriedOutOnlyWhereARecipeWrites) {
  Apply(1);
  // "C:\evil.exe" under Run, and a right no mode touches.
  test.world.files.PutFile(
      kRecordFile,
      test.world.files.Content(kRecordFile) +
          "value\t\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\tUpdater\t1\t"
          "433a5c6576696c2e65786500\n"
          "right\tSeTcbPrivilege\theld\n"
          "service\tLanmanServer\t4\n"
          "value\t\\SYSTEM\\CurrentControlSet\\Services\\NetBT\\Parameters\\Interfaces\\"
          "Tcpip_{1}\\x\tNetbiosOptions\t4\t02000000\n");
  const auto boxes = Choose("menuUndoMode");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text.find("Tcb"), std::string::npos) << "not offered";
  EXPECT_FALSE(Value("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Updater"));
  for (const std::string& line : Started()) {
    EXPECT_EQ(line.find("SeTcbPrivilege"), std::string::npos) << line;
  }
  EXPECT_EQ(boxes[1].style & 0xF0u, kIconWarning);
  const std::string ignored =
      "\n\nThe saved settings named more than Plinvo ever changes:\n"
      "- The value HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Updater was "
      "ignored: no share mode writes it.\n"
      "- The value HKLM\\SYSTEM\\CurrentControlSet\\Services\\NetBT\\Parameters\\Interfaces\\"
      "Tcpip_{1}\\x\\NetbiosOptions was ignored: no share mode writes it.\n"
      "- The right SeTcbPrivilege was ignored: no share mode grants or revokes it.\n"
      "- The start type 4 of the service LanmanServer was ignored: Plinvo changes only how the "
      "Computer Browser service starts.";
  EXPECT_EQ(boxes[1].text.rfind(kBack, 0), 0u);
  EXPECT_EQ(boxes[1].text.substr(boxes[1].text.size() - ignored.size()), ignored);
  // Only the recipes' own settings went back.
  EXPECT_FALSE(Value(kLsaCurrent, "forceguest"));
}

TEST_F(UndoModeChangeTest, UninstallerRestoresSilentlyAndAnswersWithItsExitCode) {
  EXPECT_TRUE(IsRestoreLine(" /restorewindowssettings "));
  EXPECT_FALSE(IsRestoreLine(""));
  EXPECT_FALSE(IsRestoreLine("/RestoreWindowsSettings x"));
  // The setup's call makes the folder, private.
  EXPECT_TRUE(sharemode::IsCreateFolderCommandLine(" /createsettingsfolder "));
  EXPECT_EQ(sharemode::CreateSettingsFolderSilently(test.world.files), 0);
  EXPECT_TRUE(test.world.files.IsPrivateDirectory(
      "C:\\Documents and Settings\\All Users\\Application Data\\Plinvo"));

  platform::Platform& platform = test.world.platform;
  const std::string folder = TestWorld::kProgramFolder;
  EXPECT_EQ(app::RunVerbCommandLine(platform, folder, "/RestoreWindowsSettings"),
            0);  // nothing to do
  Apply(1);
  exitCodes["\"C:\\Program Files\\Plinvo\\myright.exe\" -u Guest -r SeNetworkLogonRight"] = 1;
  test.world.messageBoxes.shown.clear();
  EXPECT_EQ(app::RunVerbCommandLine(platform, folder, "/RestoreWindowsSettings"), 1);
  exitCodes.clear();
  EXPECT_EQ(app::RunVerbCommandLine(platform, folder, "/RestoreWindowsSettings"), 0);
  EXPECT_TRUE(test.world.messageBoxes.shown.empty());
  EXPECT_EQ(Value(kLsa001, "restrictanonymous")->dword, 5u);
  EXPECT_NE(test.world.files.Content(kIni).find("Mode=-1"), std::string::npos);
}

TEST(SettingsHistoryText, KeepsAnyValueTypeAndRefusesDamage) {
  sharemode::SettingsHistory history;
  history.last = sharemode::SavedSettings{};
  history.last->values.push_back({"\\K", "bin", true, {3, std::string("\n\t\0\xff", 4)}});
  history.last->values.push_back({"\\K", "gone", false, {}});
  history.last->guestEnabled = true;
  history.last->guestRights["SeNetworkLogonRight"] = false;
  const std::string text = sharemode::FormatHistory(history);
  sharemode::SettingsHistory read;
  ASSERT_TRUE(sharemode::ParseHistory(text, read));
  EXPECT_FALSE(read.first);
  EXPECT_EQ(sharemode::FormatHistory(read), text);
  EXPECT_EQ(read.last->values[0].data.bytes, std::string("\n\t\0\xff", 4));
  EXPECT_FALSE(sharemode::ParseHistory(text + "value\t\\K\tx\t4\t0g\n", read));
  EXPECT_FALSE(sharemode::ParseHistory("guest\tenabled\n", read));
}

}  // namespace
