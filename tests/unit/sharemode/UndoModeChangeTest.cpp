// Undoing a share mode: what is saved before a recipe's first write, the confirmation in plain
// words, the values and the guest account set back, the honest report, and the uninstaller's
// silent restore.
#include <gtest/gtest.h>

#include "sharemode/SettingsHistory.h"
#include "sharemode/UndoModeChange.h"
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
const char* const kClosedPort = "139:TCP:LocalSubNet:Disabled:@xpsp2res.dll,-22004";
const char* const kDone =
    "The settings are back as they were.\n\n\nYou need to RESTART this computer to take effect!";

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
      return exitCodes.count(launch.commandLine) ? exitCodes[launch.commandLine] : 0u;
    };
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
  EXPECT_EQ(boxes[0].text,
            "Undo the last share-mode change? These settings go back to what they were before "
            "it:\n\n"
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
            "- The guest account may log on from the network: no\n"
            "\nAfterwards no share mode is shown as applied.");
  EXPECT_EQ(boxes[1].text, kDone);

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
  Choose("menuUndoMode");
  EXPECT_EQ(Value(kLsa001, "restrictanonymous")->dword, 1u);
  EXPECT_FALSE(Value(kLsaCurrent, "forceguest"));

  Apply(2);  // Normal Share writes forceguest 0
  const auto boxes = Choose("menuRestoreSettings");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text.rfind("Restore the settings this computer had before Plinvo first "
                                "changed them? These settings go back:\n\n- Anonymous visitors "
                                "kept from listing accounts and shares: 5\n",
                                0),
            0u);
  EXPECT_EQ(boxes[1].text, kDone);
  EXPECT_EQ(Value(kLsa001, "restrictanonymous")->dword, 5u);
  EXPECT_FALSE(Value(kLsaCurrent, "forceguest"));  // first touched by the second change
  EXPECT_FALSE(test.world.files.FileExists(kRecordFile));
}

TEST_F(UndoModeChangeTest, FailedStepsAreToldAndTheRecordIsKept) {
  Apply(1);
  exitCodes["net user Guest /active:no"] = 2;
  test.world.registry.refusedValueNames = {"limitblankpassworduse"};
  const auto boxes = Choose("menuUndoMode");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].style & 0xF0u, kIconWarning);
  EXPECT_EQ(boxes[1].text,
            "Not every setting could be set back:\n"
            "- Network logons with a blank password refused (limitblankpassworduse) could not be "
            "set back (error 5).\n"
            "- The guest account could not be disabled: the tool answered 2.\n"
            "\nThe other 12 settings are back as they were.\n\n\n"
            "You need to RESTART this computer to take effect!");
  // Tried again once the cause is gone.
  exitCodes.clear();
  test.world.registry.refusedValueNames.clear();
  EXPECT_EQ(Choose("menuUndoMode")[1].text, kDone);
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
  EXPECT_EQ(Choose("menuUndoMode")[1].text, kDone);
  EXPECT_EQ(Value(kLsaCurrent, "forceguest")->dword, 1u);
  EXPECT_EQ(world.files.Content(common + "\\Plinvo\\settings-before.txt"), planted);
}

TEST_F(UndoModeChangeTest, AnEditedRecordIsCarriedOutOnlyWhereARecipeWrites) {
  Apply(1);
  // "C:\evil.exe" under Run, and a right no mode touches.
  test.world.files.PutFile(
      kRecordFile, test.world.files.Content(kRecordFile) +
                       "value\t\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\tUpdater\t1\t"
                       "433a5c6576696c2e65786500\n"
                       "right\tSeTcbPrivilege\theld\n");
  const auto boxes = Choose("menuUndoMode");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text.find("Tcb"), std::string::npos) << "not offered";
  EXPECT_FALSE(Value("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Updater"));
  for (const std::string& line : Started()) {
    EXPECT_EQ(line.find("SeTcbPrivilege"), std::string::npos) << line;
  }
  EXPECT_EQ(boxes[1].style & 0xF0u, kIconWarning);
  EXPECT_EQ(boxes[1].text,
            std::string(kDone) +
                "\n\nThe saved settings named more than Plinvo ever changes:\n"
                "- The value HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Updater was "
                "ignored: no share mode writes it.\n"
                "- The right SeTcbPrivilege was ignored: no share mode grants or revokes it.");
  // Only the recipes' own settings went back.
  EXPECT_FALSE(Value(kLsaCurrent, "forceguest"));
}

TEST_F(UndoModeChangeTest, UninstallerRestoresSilentlyAndAnswersWithItsExitCode) {
  EXPECT_TRUE(sharemode::IsRestoreCommandLine(" /restorewindowssettings "));
  EXPECT_FALSE(sharemode::IsRestoreCommandLine(""));
  EXPECT_FALSE(sharemode::IsRestoreCommandLine("/RestoreWindowsSettings x"));
  // The setup's call makes the folder, private.
  EXPECT_TRUE(sharemode::IsCreateFolderCommandLine(" /createsettingsfolder "));
  EXPECT_EQ(sharemode::CreateSettingsFolderSilently(test.world.files), 0);
  EXPECT_TRUE(test.world.files.IsPrivateDirectory(
      "C:\\Documents and Settings\\All Users\\Application Data\\Plinvo"));

  platform::Platform& platform = test.world.platform;
  const std::string folder = TestWorld::kProgramFolder;
  EXPECT_EQ(sharemode::RestoreWindowsSettingsSilently(platform, folder), 0);  // nothing to do
  Apply(1);
  exitCodes["\"C:\\Program Files\\Plinvo\\myright.exe\" -u Guest -r SeNetworkLogonRight"] = 1;
  test.world.messageBoxes.shown.clear();
  EXPECT_EQ(sharemode::RestoreWindowsSettingsSilently(platform, folder), 1);
  exitCodes.clear();
  EXPECT_EQ(sharemode::RestoreWindowsSettingsSilently(platform, folder), 0);
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
