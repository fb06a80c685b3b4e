// "Access...": the address visitors type, the share's and the folder's permissions in plain
// words, the warning against the recorded mode, and changing the guest visitors' rights with
// the new-share dialog's own steps.
#include <gtest/gtest.h>

#include "SharesFixture.h"
#include "shares/AccessWords.h"
#include "support/Events.h"
#include "ui/ControlIds.h"

namespace {

using platform::AccessEntry;
using shares_test::Share;
using shares_test::SharesFixture;
using ui::memory::MemoryForm;

const char* const kGuest = "S-1-5-21-11-22-33-501";

TEST(AccessWords, PermissionsReadAsPlainWords) {
  platform::ShareDetails share;
  share.hasAccessList = true;
  share.entries = {{"S-1-1-0", true, 0x1200A9},
                   {kGuest, true, 0x1F01FF},
                   {"S-1-5-32-545", true, 0x1301BF},
                   {"S-1-5-32-545", false, 0x2},
                   {"S-1-5-21-9-9-9-1004", true, 0x10000000}};
  EXPECT_EQ(shares::SharePermissionLines(share),
            (std::vector<std::string>{"Everyone: read only", "Guest: full control",
                                      "Users: read and change, but changes denied",
                                      "S-1-5-21-9-9-9-1004: full control"}));
  EXPECT_EQ(shares::SharePermissionLines(platform::ShareDetails{}),
            std::vector<std::string>{"Everyone: full control (the share sets no limits)"});
  EXPECT_EQ(
      shares::FolderPermissionLines(true, {{kGuest, true, 0x1200A9}}),
      (std::vector<std::string>{"Guest: read only", "Everyone: no entry", "Users: no entry"}));

  // Guests reach a share through the account, its group or everyone; a denial takes away.
  using shares::GuestReach;
  EXPECT_EQ(shares::GuestReachOf(share, true, {{"S-1-5-32-546", true, 0x1301BF}}),
            GuestReach::Change);
  EXPECT_EQ(shares::GuestReachOf(share, true, {{"S-1-5-32-545", true, 0x1F01FF}}),
            GuestReach::None);
  EXPECT_EQ(
      shares::GuestReachOf(share, true, {{kGuest, true, 0x1F01FF}, {"S-1-1-0", false, 0x10000}}),
      GuestReach::Read);
}

struct AccessFixture : SharesFixture {
  AccessFixture() {
    service.shares = {Share("docs", "C:\\docs"), Share("C$", "C:\\")};
    test.world.identity.computerName = "PC-7";
    test.world.files.PutFile(std::string(testing_support::TestWorld::kProgramFolder) + "config.ini",
                             "[ShareMode]\r\nMode=2\r\n");
    test.world.shareSecurity.folderAccess["C:\\docs"] = {{kGuest, true, 0x1200A9}};
    test.world.shareSecurity.folderAccess["C:\\"] = {{"S-1-5-32-545", true, 0x1200A9}};
    Start();
  }
  // Opens the dialog for a row (a double click, or the button); `user` acts while it is up.
  void Open(int row, bool doubleClick, const std::function<void(MemoryForm&)>& user) {
    test.forms.onShowModal = [this, user](MemoryForm& dialog) {
      opened = true;
      user(dialog);
    };
    opened = false;
    if (doubleClick) {
      Folders().DoubleClick(row);
    } else {
      Folders().Select(row);
      MainButton("m_btnFolderAccess").Click();
    }
  }
  static std::string Text(MemoryForm& dialog, const char* name) {
    return dialog.FindControl(name)->Text();
  }
  bool opened = false;
};

TEST(ShareAccess, ShowsAddressPermissionsAndTheContradictionWithTheMode) {
  AccessFixture f;
  f.Open(-1, false, [](MemoryForm&) {});
  EXPECT_FALSE(f.opened);
  EXPECT_EQ(f.BoxTexts(), std::vector<std::string>{"Please select a folder first!"});

  f.Open(1, true, [&](MemoryForm& dialog) {  // "docs" comes after the "$" share
    EXPECT_EQ(AccessFixture::Text(dialog, "m_editShareAddress"), "\\\\PC-7\\docs");
    EXPECT_EQ(AccessFixture::Text(dialog, "m_memoSharePermissions"),
              "Everyone: full control (the share sets no limits)");
    EXPECT_EQ(AccessFixture::Text(dialog, "m_memoFolderPermissions"),
              "Guest: read only\r\nEveryone: no entry\r\nUsers: no entry");
    EXPECT_EQ(AccessFixture::Text(dialog, "m_labelAccessWarning"),
              "Only guest visitors may open this folder, but in Normal Share visitors log on "
              "with their own accounts: they will be refused.");
    EXPECT_TRUE(dialog.Memory<ui::memory::MemoryRadioButton>("m_radioGuestRead").Checked());
    dialog.Memory<ui::memory::MemoryButton>("m_btnCopyAddress").Click();
    EXPECT_EQ(f.test.world.clipboard.text, "\\\\PC-7\\docs");
  });
  EXPECT_TRUE(f.opened);

  f.test.world.shareSecurity.folderAccess.erase("C:\\");  // its folder cannot be read
  f.Open(0, false, [&](MemoryForm& dialog) {
    EXPECT_EQ(AccessFixture::Text(dialog, "m_editShareAddress"), "\\\\PC-7\\C$");
    EXPECT_EQ(AccessFixture::Text(dialog, "m_memoFolderPermissions"),
              "The folder's permissions could not be read: Windows did not find it; it may have "
              "been removed or renamed (error 2).");
    EXPECT_FALSE(dialog.FindControl("m_btnChangeAccess")->Enabled());
    EXPECT_FALSE(dialog.FindControl("m_radioGuestFull")->Enabled());
    EXPECT_EQ(AccessFixture::Text(dialog, "m_labelAccessWarning"),
              "Windows uses the shares whose names end in \"$\" itself: their rights cannot be "
              "changed here.");
  });
}

TEST(ShareAccess, ChangesTheGuestRightsWithTheNewShareStepsAndTellsTheOutcome) {
  AccessFixture f;
  f.Open(1, false, [&](MemoryForm& dialog) {
    dialog.Memory<ui::memory::MemoryRadioButton>("m_radioGuestFull").Click();
    dialog.Memory<ui::memory::MemoryButton>("m_btnChangeAccess").Click();
  });
  ASSERT_EQ(f.Commands().size(), 1u);
  EXPECT_NE(f.Commands()[0].find("XCACLS.vbs"), std::string::npos);
  EXPECT_NE(f.Commands()[0].find("C:\\docs\" /T /G Guest:F /E"), std::string::npos);
  EXPECT_EQ(f.BoxTexts(), (std::vector<std::string>{
                              "Let guest visitors read, change and delete the files of \"docs\"?",
                              "The guest visitors' rights were changed."}));
  EXPECT_EQ(testing_support::EventLines(f.test.world.eventLog),
            std::vector<std::string>{"140 info: Administrator | docs | C:\\docs | full access "
                                     "(read, change and delete)"});

  // A share that went away meanwhile: its details say so and nothing can be changed.
  f.service.shareInfoResults = {2310};
  f.Open(1, false, [&](MemoryForm& dialog) {
    EXPECT_EQ(AccessFixture::Text(dialog, "m_memoSharePermissions"),
              "The share name does not exist.");
    EXPECT_FALSE(dialog.FindControl("m_btnChangeAccess")->Enabled());
  });
}

TEST(ShareAccess, WhatAChangeLeftOutIsToldInsteadOfSuccess) {
  AccessFixture f;
  f.test.world.processes.run = [](const platform::memory::Launch&) { return 64u + 8u; };
  f.Open(1, false, [&](MemoryForm& dialog) {
    dialog.Memory<ui::memory::MemoryButton>("m_btnChangeAccess").Click();
  });
  ASSERT_EQ(f.BoxTexts().size(), 2u);
  EXPECT_EQ(f.BoxTexts()[1],
            "The visitors were given their rights on the folder, but not on these items in it:\n"
            "- items whose rights could not be changed.\n\nGive the visitors rights on them "
            "yourself where they need them.");
  EXPECT_EQ(f.test.world.messageBoxes.shown[1].style,
            platform::mb::kOk | platform::mb::kIconWarning);

  // The share was there before: the failure is told as a change that did not happen.
  f.test.world.processes.run = [](const platform::memory::Launch&) { return 1u; };
  f.Open(1, false, [&](MemoryForm& dialog) {
    dialog.Memory<ui::memory::MemoryButton>("m_btnChangeAccess").Click();
  });
  EXPECT_EQ(f.BoxTexts().back(),
            "The guest visitors' rights could not be changed: \"cscript.exe\" ended with error "
            "code 1.");
  // Both are told to the event log as rights not changed as asked, with the box's words.
  const std::vector<std::string> events = testing_support::EventLines(f.test.world.eventLog);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[1].rfind("141 warning: Administrator | docs | C:\\docs | ", 0), 0u);
  const std::string why = "\"cscript.exe\" ended with error code 1.";
  EXPECT_EQ(events[1].substr(events[1].size() - why.size()), why);
}

}  // namespace

namespace {

std::vector<std::string> Captions(const std::vector<ui::PopupEntry>& entries) {
  std::vector<std::string> captions;
  for (const auto& entry : entries) captions.push_back(entry.caption);
  return captions;
}

TEST(ListMenus, OfferThePagesActionsAndCopyTheAddress) {
  AccessFixture f;
  f.Folders().RightClick(1);  // dismissed: nothing happens
  ASSERT_EQ(f.test.forms.popupsShown.size(), 1u);
  EXPECT_EQ(Captions(f.test.forms.popupsShown[0]),
            (std::vector<std::string>{"Access...", "Stop Share", "New Share", "Refresh",
                                      "Copy Address"}));
  EXPECT_TRUE(f.BoxTexts().empty());
  f.test.forms.popupChoice = ui::ids::popupFolderCopyAddress;
  f.Folders().RightClick(1);
  EXPECT_EQ(f.test.world.clipboard.text, "\\\\PC-7\\docs");
  f.test.forms.popupChoice = ui::ids::popupFolderAccess;
  f.Open(1, false, [](MemoryForm&) {});  // sets the dialog's user
  f.opened = false;
  f.Folders().RightClick(1);
  EXPECT_TRUE(f.opened);

  f.service.sessions = {
      platform::SessionRecord{shares_test::U("PC9"), shares_test::U("eve"), 1, 1}};
  f.MainButton("m_btnSessionRefresh").Click();
  f.test.forms.popupChoice = ui::ids::popupSessionCopyAddress;
  f.Sessions().RightClick(0);
  EXPECT_EQ(Captions(f.test.forms.popupsShown.back()),
            (std::vector<std::string>{"Disconnect", "Open Files", "Refresh", "Copy Address"}));
  EXPECT_EQ(f.test.world.clipboard.text, "\\\\PC9");
  f.test.world.messageBoxes.shown.clear();
  f.test.forms.popupChoice = ui::ids::popupSessionDisconnect;
  f.Sessions().RightClick(0);
  EXPECT_EQ(f.service.sessionsDeleted.size(), 1u);
  EXPECT_EQ(f.Sessions().RowCount(), 0);
}

}  // namespace
