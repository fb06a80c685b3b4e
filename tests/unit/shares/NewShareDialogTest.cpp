#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "NewShareFixture.h"
#include "support/Events.h"
#include "ui/ControlIds.h"

namespace {

using platform::mb::kIconInformation;
using platform::mb::kIconWarning;
using platform::mb::kOk;
using shares_test::MemoryForm;
using shares_test::NewShareFixture;
using shares_test::U;

const char* const kNeedBoth =
    "Please select a directory to share and input a share name for the directory!";

TEST(NewShareDialog, IsBuiltAsDesigned) {
  NewShareFixture f;
  f.Open([&](MemoryForm& dialog) {
    const ui::FormDesign& spec = dialog.spec();
    EXPECT_EQ(spec.className, "TfrmNewZendryShare");
    EXPECT_EQ(spec.caption, "New Zendry Share-Dialog");
    EXPECT_EQ(spec.clientWidth, 535);
    EXPECT_EQ(spec.clientHeight, 313);
    EXPECT_EQ(spec.left, 192);
    EXPECT_EQ(spec.top, 107);
    EXPECT_EQ(spec.border, ui::BorderStyle::Dialog);
    EXPECT_FALSE(spec.minimizeBox);
    EXPECT_EQ(dialog.owner(), f.test.mainWindow->Handle());

    struct Expected {
      const char* name;
      int id;
      ui::Rect rect;
      const char* text;
      const char* parent;
    };
    const Expected controls[] = {
        {"labelStep1",
         ui::ids::labelStep1,
         {24, 8, 0, 0},
         "1. Select a directory you want to share to others.",
         ""},
        {"m_editShareDir", ui::ids::m_editShareDir, {56, 32, 369, 24}, "", ""},
        {"m_btnBrowseDir", ui::ids::m_btnBrowseDir, {432, 32, 75, 25}, "Browse...", ""},
        {"labelStep2", ui::ids::labelStep2, {24, 64, 0, 0}, "2. Input a share name", ""},
        {"m_editShareName", ui::ids::m_editShareName, {56, 88, 369, 24}, "", ""},
        {"labelStep3", ui::ids::labelStep3, {24, 120, 0, 0}, "3. Choose access mode", ""},
        {"GroupBox1", ui::ids::GroupBox1, {56, 144, 369, 41}, "", ""},
        {"m_radioRead", ui::ids::m_radioRead, {24, 16, 113, 17}, "Only Read", "GroupBox1"},
        {"m_radioFull", ui::ids::m_radioFull, {184, 16, 113, 17}, "Full Control", "GroupBox1"},
        {"m_labelResult", ui::ids::m_labelResult, {24, 224, 0, 0}, "result:", ""},
        {"m_btnOK", ui::ids::m_btnOK, {88, 272, 75, 25}, "OK", ""},
        {"m_btnCancel", ui::ids::m_btnCancel, {344, 272, 75, 25}, "Cancel", ""}};
    for (const Expected& e : controls) {
      const auto found = std::find_if(spec.controls.begin(), spec.controls.end(),
                                      [&](const ui::ControlDesign& c) { return c.name == e.name; });
      ASSERT_NE(found, spec.controls.end()) << e.name;
      EXPECT_EQ(found->id, e.id) << e.name;
      EXPECT_EQ(found->rect.left, e.rect.left) << e.name;
      EXPECT_EQ(found->rect.top, e.rect.top) << e.name;
      EXPECT_EQ(found->rect.width, e.rect.width) << e.name;
      EXPECT_EQ(found->rect.height, e.rect.height) << e.name;
      EXPECT_EQ(found->text, e.text) << e.name;
      EXPECT_EQ(found->parent, e.parent) << e.name;
    }
    // Focus moves in this order; the labels take none.
    std::vector<std::string> focusable;
    for (const ui::ControlDesign& c : spec.controls) {
      if (c.kind != ui::ControlKind::Label && c.parent.empty()) focusable.push_back(c.name);
    }
    EXPECT_EQ(focusable,
              (std::vector<std::string>{"m_editShareDir", "m_btnBrowseDir", "m_editShareName",
                                        "m_btnOK", "m_btnCancel", "GroupBox1"}));
    auto spec_of = [&](const std::string& name) {
      return *std::find_if(spec.controls.begin(), spec.controls.end(),
                           [&](const ui::ControlDesign& c) { return c.name == name; });
    };
    EXPECT_TRUE(spec_of("m_editShareDir").readOnly);
    EXPECT_FALSE(spec_of("m_editShareName").readOnly);
    EXPECT_TRUE(spec_of("m_btnBrowseDir").bold);
    EXPECT_TRUE(spec_of("m_labelResult").bold);
    EXPECT_EQ(spec_of("m_labelResult").color, ui::kRed);
    EXPECT_TRUE(dialog.Memory<shares_test::MemoryRadioButton>("m_radioRead").Checked());
    EXPECT_FALSE(dialog.Memory<shares_test::MemoryRadioButton>("m_radioFull").Checked());
  });
}

TEST(NewShareDialog, CancelClosesWithoutChangesAndTheListIsRefreshed) {
  NewShareFixture f;
  const std::size_t enumerations = f.service.shareEnumPrefMaxLens.size();
  f.service.shares.push_back(shares_test::Share("other", "C:\\other"));  // made meanwhile
  f.Open([&](MemoryForm&) {
    f.Button("m_btnCancel").Click();
    EXPECT_TRUE(f.Closed());
  });
  EXPECT_EQ(f.service.shareEnumPrefMaxLens.size(), enumerations + 1);
  EXPECT_EQ(shares_test::SharesFixture::Captions(f.Folders()), std::vector<std::string>{"other"});
  EXPECT_TRUE(f.Commands().empty());
  EXPECT_TRUE(f.service.added.empty());
  EXPECT_TRUE(f.BoxTexts().empty());
  EXPECT_TRUE(f.test.forms.LiveForms().size() == 1u);  // the dialog is gone
}

TEST(NewShareDialog, TheCloseBoxAlsoRefreshesTheList) {
  NewShareFixture f;
  const std::size_t enumerations = f.service.shareEnumPrefMaxLens.size();
  f.Open([](MemoryForm&) {});  // the user closes the window
  EXPECT_EQ(f.service.shareEnumPrefMaxLens.size(), enumerations + 1);
}

TEST(NewShareDialog, EveryPressGetsAFreshDialog) {
  NewShareFixture f;
  f.Open([&](MemoryForm&) {
    f.Pick("D:\\photos");
    f.Type("mine");
    f.ChooseFull();
    f.Button("m_btnCancel").Click();
  });
  f.Open([&](MemoryForm& dialog) {
    EXPECT_EQ(f.Edit("m_editShareDir").Text(), "");
    EXPECT_EQ(f.Edit("m_editShareName").Text(), "");
    EXPECT_TRUE(dialog.Memory<shares_test::MemoryRadioButton>("m_radioRead").Checked());
    EXPECT_EQ(f.Result().Text(), "result:");
  });
  EXPECT_EQ(f.test.forms.CreatedCount("TfrmNewZendryShare"), 2);
}

TEST(NewShareDialog, BrowsingProposesTheLastComponentAndNotesTheFileSystem) {
  NewShareFixture f;
  f.Open([&](MemoryForm&) {
    f.Pick(std::nullopt);  // cancelled: nothing changes
    EXPECT_EQ(f.Edit("m_editShareDir").Text(), "");
    EXPECT_TRUE(f.Edit("m_editShareDir").TextHistory().empty());

    f.Pick("C:\\Users\\Public\\My Music");
    EXPECT_EQ(f.Edit("m_editShareDir").Text(), "C:\\Users\\Public\\My Music");
    EXPECT_EQ(f.Edit("m_editShareName").Text(), "My Music");

    f.Type("typed");
    f.Pick("d:\\photos");  // another pick replaces a typed name
    EXPECT_EQ(f.Edit("m_editShareName").Text(), "photos");

    f.Pick("E:\\");  // a drive's root has no last component
    EXPECT_EQ(f.Edit("m_editShareDir").Text(), "E:\\");
    EXPECT_EQ(f.Edit("m_editShareName").Text(), "");
  });
  EXPECT_EQ(f.test.world.shell.folderPickerTitles,
            std::vector<std::string>(4, "Please select the directory containing photoes:\n"));
  EXPECT_TRUE(f.BoxTexts().empty());
}

TEST(NewShareDialog, ANetworkFolderIsRefusedAndTheFolderFieldEmptied) {
  NewShareFixture f;
  f.test.world.processes.run = [](const platform::memory::Launch&) { return 0u; };
  f.Open([&](MemoryForm& dialog) {
    f.Pick("D:\\photos");
    f.Type("pics");
    f.Pick("\\\\server\\public\\music");
    ASSERT_EQ(f.BoxTexts(),
              std::vector<std::string>{"Please select directory of local hard disk!"});
    EXPECT_EQ(f.test.world.messageBoxes.shown[0].style, kOk | kIconWarning);
    EXPECT_EQ(f.test.world.messageBoxes.shown[0].owner, dialog.memoryWindow().Handle());
    EXPECT_EQ(f.Edit("m_editShareDir").Text(), "");
    EXPECT_EQ(f.Edit("m_editShareName").Text(), "pics");  // kept

    f.Ok();  // no folder any more: nothing is shared
    EXPECT_EQ(f.BoxTexts().back(), kNeedBoth);
  });
  EXPECT_TRUE(f.Commands().empty());
  EXPECT_TRUE(f.service.added.empty());
}

TEST(NewShareDialog, NameAndFolderAreBothNeededAndTheNameIsTrimmedFirst) {
  NewShareFixture f;
  f.Open([&](MemoryForm&) {
    f.Type("docs");
    f.Ok();  // no folder
    f.Pick("C:\\docs");
    f.Type(" \t  \r\n");
    f.Ok();  // only blanks and control characters
    EXPECT_EQ(f.Edit("m_editShareName").Text(), "");
    EXPECT_FALSE(f.Closed());
    EXPECT_TRUE(f.Button("m_btnOK").Enabled());
    EXPECT_EQ(f.Result().Text(), "result:");
  });
  ASSERT_EQ(f.BoxTexts(), (std::vector<std::string>{kNeedBoth, kNeedBoth}));
  for (const auto& box : f.test.world.messageBoxes.shown) {
    EXPECT_EQ(box.style, kOk | kIconWarning);
    EXPECT_EQ(box.caption, "Plinvo");
  }
  EXPECT_TRUE(f.Commands().empty());
  EXPECT_TRUE(f.service.added.empty());
}

TEST(NewShareDialog, TheTrimmedNameIsShownBeforeAnythingHappens) {
  NewShareFixture f;
  f.test.world.messageBoxes.whileShown = [&](const platform::memory::ShownBox&) {
    EXPECT_EQ(f.Edit("m_editShareName").Text(), "docs");
  };
  f.Share("C:\\docs", "  docs\t ");
  EXPECT_EQ(f.service.added.at(0).netName, U("docs"));
}

TEST(NewShareDialog, WithTheShareServiceCreatesTheShareThenGrantsAndReports) {
  NewShareFixture f(5);
  f.Open([&](MemoryForm& dialog) {
    f.Pick("D:\\photos");
    f.Ok();
    EXPECT_TRUE(f.Closed());
    EXPECT_FALSE(f.Button("m_btnOK").Enabled());
    EXPECT_EQ(
        f.Result().TextHistory(),
        (std::vector<std::string>{"share processing step 1...",
                                  "share processing step 2... about 5 seconds...", "Share OK!"}));
    EXPECT_EQ(dialog.memoryWindow().PendingEventPasses(), 2);
  });
  ASSERT_EQ(f.service.added.size(), 1u);
  const platform::NewShareRecord& record = f.service.added[0];
  EXPECT_EQ(record.netName, U("photos"));
  EXPECT_EQ(record.type, 0u);
  EXPECT_EQ(record.remark, U("Trelbane Plinvo"));
  EXPECT_EQ(record.permissions, 127u);
  EXPECT_EQ(record.maxUses, 0xFFFFFFFFu);
  EXPECT_EQ(record.currentUses, 0u);
  EXPECT_EQ(record.path, U("D:\\photos"));
  EXPECT_FALSE(record.hasPassword);
  EXPECT_TRUE(f.Commands().empty());  // FAT32: no script, no net
  // "Only Read" gives everyone read and execute on the share, by its well-known identifier.
  ASSERT_EQ(f.test.world.shareSecurity.writes.size(), 1u);
  EXPECT_EQ(f.test.world.shareSecurity.writes[0].share, "photos");
  ASSERT_EQ(f.test.world.shareSecurity.writes[0].entries.size(), 1u);
  const platform::ExplicitAccess& entry = f.test.world.shareSecurity.writes[0].entries[0];
  EXPECT_EQ(entry.accessPermissions, 0x001200A9u);
  EXPECT_EQ(entry.accessMode, 2u);
  EXPECT_EQ(entry.inheritance, 2u);
  EXPECT_EQ(entry.trusteeForm, 0u);
  EXPECT_EQ(entry.trustee, "S-1-1-0");
  EXPECT_TRUE(f.test.world.shareSecurity.liveAllocations.empty());
  ASSERT_EQ(f.BoxTexts(), std::vector<std::string>{"Share OK!"});
  EXPECT_EQ(f.test.world.messageBoxes.shown[0].style, kOk | kIconInformation);
  // The list is refreshed once the dialog is gone, with the new share in it.
  EXPECT_EQ(
      f.Folders().Rows(),
      (std::vector<std::vector<std::string>>{{"photos", "D:\\photos", "0", "Trelbane Plinvo"}}));
  EXPECT_EQ(
      testing_support::EventLines(f.test.world.eventLog),
      std::vector<std::string>{"120 info: Administrator | photos | D:\\photos | read-only access"});
}

TEST(NewShareDialog, OnVersionSixNetShareCreatesTheShareWithTheGuestGrant) {
  NewShareFixture f(6);
  f.Share("C:\\data", "data");
  f.Share("C:\\Shared Files\\Plinvo data", "pdata", true);
  EXPECT_EQ(
      f.Commands(),
      (std::vector<std::string>{
          "net share data=\"C:\\data\"  /GRANT:Guest,READ",
          "cscript.exe \"C:\\Program Files\\Plinvo\\XCACLS.vbs\"  \"C:\\data\" /T /G Guest:R /E",
          "net share pdata=\"C:\\Shared Files\\Plinvo data\"  /GRANT:Guest,FULL",
          "cscript.exe \"C:\\Program Files\\Plinvo\\XCACLS.vbs\"  \"C:\\Shared Files\\Plinvo "
          "data\" /T /G Guest:F /E"}));
  for (const auto& launch : f.Launches()) {
    EXPECT_TRUE(launch.waited) << launch.commandLine;
    EXPECT_EQ(launch.startup.showWindow, 0);
  }
  EXPECT_TRUE(f.service.added.empty());
  EXPECT_EQ(f.BoxTexts(), (std::vector<std::string>{"Share OK!", "Share OK!"}));
}

struct FileSystemCase {
  std::string fileSystem;  // "" : the volume cannot be read
  bool shareEntry;
};

void PrintTo(const FileSystemCase& c, std::ostream* out) {
  *out << "file system \"" << c.fileSystem << "\"";
}

class RightsByFileSystem : public ::testing::TestWithParam<FileSystemCase> {};

TEST_P(RightsByFileSystem, OnlyExactlyFat32GetsTheShareEntry) {
  NewShareFixture f(5);
  f.test.world.files.volumes.clear();
  if (!GetParam().fileSystem.empty()) f.test.world.files.volumes["f:\\"] = GetParam().fileSystem;
  f.Share("F:\\pub", "pub", true);
  if (GetParam().shareEntry) {
    EXPECT_TRUE(f.Commands().empty());
    ASSERT_EQ(f.test.world.shareSecurity.writes.size(), 1u);
    EXPECT_EQ(f.test.world.shareSecurity.writes[0].share, "pub");
    EXPECT_EQ(f.test.world.shareSecurity.writes[0].entries.at(0).accessPermissions, 0x001F01FFu);
  } else {
    EXPECT_EQ(f.Commands(),
              std::vector<std::string>{"cscript.exe \"C:\\Program Files\\Plinvo\\XCACLS.vbs\"  "
                                       "\"F:\\pub\" /T /G Guest:F /E"});
    EXPECT_TRUE(f.test.world.shareSecurity.reads.empty());
  }
  EXPECT_EQ(f.BoxTexts(), std::vector<std::string>{"Share OK!"});
}

INSTANTIATE_TEST_SUITE_P(Volumes, RightsByFileSystem,
                         ::testing::Values(FileSystemCase{"FAT32", true},
                                           FileSystemCase{"FAT", false},
                                           FileSystemCase{"NTFS", false},
                                           FileSystemCase{"fat32", false},
                                           FileSystemCase{"", false}));

TEST(NewShareDialog, ALaterPickForgetsTheFileSystemOfTheEarlierDrive) {
  NewShareFixture f(5);
  f.test.world.files.volumes.erase("e:\\");  // drive E: cannot be read
  f.Open([&](MemoryForm&) {
    f.Pick("D:\\photos");  // FAT32
    f.Pick("E:\\photos");
    f.Ok();
  });
  f.Open([&](MemoryForm&) {
    f.Pick("D:\\music");
    f.Pick("C:\\music");  // NTFS
    f.Ok();
  });
  EXPECT_EQ(f.Commands(),
            (std::vector<std::string>{
                "cscript.exe \"C:\\Program Files\\Plinvo\\XCACLS.vbs\"  \"E:\\photos\" /T /G "
                "Guest:R /E",
                "cscript.exe \"C:\\Program Files\\Plinvo\\XCACLS.vbs\"  \"C:\\music\" /T /G "
                "Guest:R /E"}));
  EXPECT_TRUE(f.test.world.shareSecurity.reads.empty());
}

TEST(NewShareDialog, WhileATaskRunsOkIsDisabledAndTheLabelNamesItsStep) {
  NewShareFixture f(6);
  std::vector<std::string> seen;
  f.test.world.processes.run = [&](const platform::memory::Launch& launch) {
    seen.push_back(launch.commandLine.substr(0, launch.commandLine.find(' ')) + " " +
                   (f.Button("m_btnOK").Enabled() ? "enabled" : "disabled") + " " +
                   f.Result().Text());
    return 0u;
  };
  f.Open([&](MemoryForm&) {
    f.Pick("C:\\docs");
    f.Ok();
  });
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "net disabled share processing step 1...",
                      "cscript.exe disabled share processing step 2... about 5 seconds..."}));
}

struct AddFailure {
  std::uint32_t result;
  const char* text;
};

void PrintTo(const AddFailure& c, std::ostream* out) { *out << "result " << c.result; }

class ShareServiceRefusal : public ::testing::TestWithParam<AddFailure> {};

TEST_P(ShareServiceRefusal, IsToldAndTheDialogStaysOpenForAnotherTry) {
  NewShareFixture f(5);
  f.service.addResults = {GetParam().result};
  f.Open([&](MemoryForm&) {
    f.Pick("C:\\docs");
    f.Ok();
    EXPECT_FALSE(f.Closed());
    EXPECT_TRUE(f.Button("m_btnOK").Enabled());
    EXPECT_EQ(f.Result().Text(), "share processing step 1...");
    ASSERT_EQ(f.BoxTexts(), std::vector<std::string>{GetParam().text});
    EXPECT_EQ(f.test.world.messageBoxes.shown[0].style, kOk | kIconWarning);

    f.Ok();  // the second try goes through
    EXPECT_TRUE(f.Closed());
  });
  EXPECT_EQ(f.service.added.size(), 2u);
  EXPECT_EQ(f.Commands().size(), 1u);  // the rights only after the share exists
  const std::string text = GetParam().text;
  EXPECT_EQ(testing_support::EventLines(f.test.world.eventLog),
            (std::vector<std::string>{
                "122 error: Administrator | docs | C:\\docs | read-only access | " + text,
                "120 info: Administrator | docs | C:\\docs | read-only access"}));
}

INSTANTIATE_TEST_SUITE_P(
    EveryResult, ShareServiceRefusal,
    ::testing::Values(
        AddFailure{5, "The user does not have access to the requested information."},
        AddFailure{87, "The specified parameter is not valid."},
        AddFailure{123, "The character or file system name is not valid."},
        AddFailure{2116, "The device or directory does not exist."},
        AddFailure{2117,
                   "The operation is not valid for a redirected resource. The specified device "
                   "name is assigned to a shared resource."},
        AddFailure{2118, "The share name is already in use on this server."},
        AddFailure{2119, "Other error:2119"}, AddFailure{50, "Other error:50"},
        AddFailure{4294967295u, "Other error:4294967295"}));

TEST(NewShareDialog, AShareNameInUseIsReportedByTheService) {
  NewShareFixture f(5);
  f.service.shares = {shares_test::Share("DOCS", "C:\\old")};
  f.Share("C:\\docs", "docs");
  EXPECT_EQ(f.BoxTexts(),
            std::vector<std::string>{"The share name is already in use on this server."});
}

}  // namespace
