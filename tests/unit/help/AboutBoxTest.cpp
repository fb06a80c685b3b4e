#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "help/Formabout.h"
#include "support/ProgramEnd.h"
#include "support/TestWorld.h"
#include "ui/ControlIds.h"

namespace {

using platform::memory::OpenedAddress;
using testing_support::TestWorld;
using ui::memory::MemoryButton;
using ui::memory::MemoryForm;
using ui::memory::MemoryLabel;

struct AboutBoxTest : ::testing::Test {
  TestWorld test;
  AboutBoxTest() {
    test.world.versions.PutVersion(test.world.files.moduleFileName, 3, 2, 0, 100);
    test.StartMainWindow();
  }
  // Opens the box from the menu; `user` acts while it is on the screen.
  void OpenAbout(const std::function<void(MemoryForm&)>& user) {
    test.forms.onShowModal = [user](MemoryForm& box) {
      ASSERT_EQ(box.spec().className, "TfrmAbout");
      user(box);
    };
    test.MainForm().MemoryMenu("menuAbout").Click();
  }
  std::string LabelText(MemoryForm& box, const char* name) {
    return box.Get<ui::Label>(name).Text();
  }
};

TEST_F(AboutBoxTest, ShowsTheProductAndTheVersionOfTheRunningProgramFile) {
  std::string product, version;
  platform::Handle owner = 0;
  OpenAbout([&](MemoryForm& box) {
    product = LabelText(box, "lblProductFullName");
    version = LabelText(box, "lblVersion");
    owner = box.owner();
  });
  EXPECT_EQ(product, "Plinvo");
  EXPECT_EQ(version, "Version:3.2.0.100");
  EXPECT_EQ(owner, test.mainWindow->Handle());
}

TEST_F(AboutBoxTest, AProgramFileWithoutVersionShowsVersionAlone) {
  test.world.versions.files.clear();
  std::string version;
  OpenAbout([&](MemoryForm& box) { version = LabelText(box, "lblVersion"); });
  EXPECT_EQ(version, "Version:");
  EXPECT_TRUE(test.world.messageBoxes.shown.empty());
}

TEST_F(AboutBoxTest, ShowsTheNoticeAndTheLinksAsDesigned) {
  std::string notice, web, mail;
  OpenAbout([&](MemoryForm& box) {
    notice = LabelText(box, "Label3");
    web = LabelText(box, "labelWeb");
    mail = LabelText(box, "labelMail");
  });
  EXPECT_EQ(notice, "Copyright (C) 2026 Trelbane Software");
  EXPECT_EQ(web, "www.trelbane.example");
  EXPECT_EQ(mail, "support@trelbane.example");
}

TEST_F(AboutBoxTest, EachOpeningIsAFreshBoxThatIsGoneAfterwards) {
  std::vector<std::vector<std::string>> versionHistories;
  auto look = [&](MemoryForm& box) {
    versionHistories.push_back(box.Memory<MemoryLabel>("lblVersion").TextHistory());
  };
  OpenAbout(look);
  test.world.versions.PutVersion(test.world.files.moduleFileName, 3, 2, 1, 7);
  OpenAbout(look);
  EXPECT_EQ(test.forms.CreatedCount("TfrmAbout"), 2);
  // Each box was filled once, with what the program file said at that moment.
  EXPECT_EQ(versionHistories,
            (std::vector<std::vector<std::string>>{{"Version:3.2.0.100"}, {"Version:3.2.1.7"}}));
  for (MemoryForm* form : test.forms.LiveForms()) EXPECT_NE(form->spec().className, "TfrmAbout");
}

TEST_F(AboutBoxTest, CloseEndsTheBox) {
  bool closed = false;
  OpenAbout([&](MemoryForm& box) {
    box.Memory<MemoryButton>("btnClose").Click();
    closed = box.memoryWindow().Closed();
  });
  EXPECT_TRUE(closed);
  EXPECT_TRUE(test.world.shell.opened.empty());
}

TEST_F(AboutBoxTest, TheLinksOpenTheirAddressesWithTheMailInANormalWindow) {
  OpenAbout([](MemoryForm& box) {
    box.Memory<MemoryButton>("btnVisitHomePage").Click();
    box.Memory<MemoryLabel>("labelWeb").Click();
    box.Memory<MemoryLabel>("labelMail").Click();
  });
  EXPECT_EQ(test.world.shell.opened,
            (std::vector<OpenedAddress>{
                {"http://www.trelbane.example/en/Plinvo_Detail.aspx?come_from=Plinvo_V1", 3},
                {"http://www.trelbane.example/?come_from=Plinvo_V1", 3},
                {"mailto:support@trelbane.example", 1}}));
}

TEST(AboutBoxOnVista, TheMailLinkGoesThroughTheDesktopShell) {
  TestWorld test;
  test.world.identity.version.majorVersion = 6;
  test.StartMainWindow();
  test.forms.onShowModal = [](MemoryForm& box) { box.Memory<MemoryLabel>("labelMail").Click(); };
  test.MainForm().MemoryMenu("menuAbout").Click();
  EXPECT_EQ(test.world.shell.openedThroughDesktop,
            (std::vector<OpenedAddress>{{"mailto:support@trelbane.example", 1}}));
  EXPECT_TRUE(test.world.shell.opened.empty());
}

TEST_F(AboutBoxTest, BothLinkLabelsHoverOnTheirOwn) {
  ui::Color webAfterMailEnter = 0, mailAfterMailEnter = 0, webEnd = 0, mailEnd = 0;
  ui::Cursor mailCursor = ui::Cursor::Default, webCursorEnd = ui::Cursor::HandPoint;
  OpenAbout([&](MemoryForm& box) {
    auto& web = box.Memory<MemoryLabel>("labelWeb");
    auto& mail = box.Memory<MemoryLabel>("labelMail");
    mail.MouseEnter();
    webAfterMailEnter = web.FontColor();
    mailAfterMailEnter = mail.FontColor();
    mailCursor = mail.CursorKind();
    for (int i = 0; i < 3; ++i) {
      mail.MouseLeave();
      web.MouseEnter();
      web.MouseLeave();
      mail.MouseEnter();
    }
    mail.MouseLeave();
    webEnd = web.FontColor();
    mailEnd = mail.FontColor();
    webCursorEnd = web.CursorKind();
  });
  EXPECT_EQ(webAfterMailEnter, ui::kWindowText);
  EXPECT_EQ(mailAfterMailEnter, ui::kBlue);
  EXPECT_EQ(mailCursor, ui::Cursor::HandPoint);
  EXPECT_EQ(webEnd, ui::kBlack);
  EXPECT_EQ(mailEnd, ui::kBlack);
  EXPECT_EQ(webCursorEnd, ui::Cursor::Default);
}

TEST(AboutLayout, IsAFixedDialogAtItsDesignedPlace) {
  const ui::FormDesign spec = help::AboutLayout("http://site", "mail@site");
  EXPECT_EQ(spec.caption, "About");
  EXPECT_EQ(spec.border, ui::BorderStyle::Dialog);
  EXPECT_FALSE(spec.centreOnScreen);
  EXPECT_FALSE(spec.minimizeBox);
  EXPECT_EQ((std::vector<int>{spec.left, spec.top, spec.clientWidth, spec.clientHeight}),
            (std::vector<int>{192, 107, 414, 279}));
  EXPECT_EQ(spec.fontHeight, 11);
  EXPECT_TRUE(spec.menu.empty());
}

TEST(AboutLayout, RightAlignsTheTwoCaptionsOnTheLinks) {
  const ui::FormDesign spec = help::AboutLayout("http://site", "mail@site");
  auto find = [&](const std::string& name) {
    for (const ui::ControlDesign& control : spec.controls) {
      if (control.name == name) return control;
    }
    ADD_FAILURE() << name;
    return ui::ControlDesign();
  };
  // "Web Site:" and "Support Email:" end where the links begin, less a small gap.
  EXPECT_EQ(find("Label4").rect.left + find("Label4").rect.width, 151);
  EXPECT_EQ(find("Label5").rect.left + find("Label5").rect.width, 151);
  EXPECT_EQ(find("labelWeb").rect.left, 160);
  EXPECT_EQ(find("labelMail").rect.left, 160);
  EXPECT_EQ(find("lblProductFullName").parent, "Panel1");
  EXPECT_EQ(find("lblVersion").parent, "Panel1");
  EXPECT_TRUE(find("labelWeb").underline);
  EXPECT_TRUE(find("labelMail").underline);
  EXPECT_TRUE(find("lblProductFullName").centred);
  EXPECT_TRUE(find("lblProductFullName").bold);
  EXPECT_EQ(find("lblProductFullName").fontHeight, 13);
  EXPECT_EQ(find("labelWeb").text, "http://site");
  EXPECT_EQ(find("labelMail").text, "mail@site");
  EXPECT_FALSE(find("Label3").underline);
}

TEST(AboutLayout, AControlTheDesignLacksCannotBeLookedUp) {
  ui::FormDesign spec = help::AboutLayout("http://site", "mail@site");
  EXPECT_EQ(spec.ControlNamed("btnClose").text, "Close");
  EXPECT_THROW(spec.ControlNamed("btnOK"), testing_support::ProgramEnded);
}

TEST(AboutLayout, TabsFromThePanelToVisitHomePageToClose) {
  const ui::FormDesign spec = help::AboutLayout("http://site", "mail@site");
  std::vector<std::string> focusable;
  for (const ui::ControlDesign& control : spec.controls) {
    if (control.kind != ui::ControlKind::Label) focusable.push_back(control.name);
  }
  EXPECT_EQ(focusable, (std::vector<std::string>{"Panel1", "btnVisitHomePage", "btnClose"}));
}

TEST(AboutLayout, EveryControlHasItsOwnIdentifier) {
  const ui::FormDesign spec = help::AboutLayout("http://site", "mail@site");
  std::set<int> ids;
  for (const ui::ControlDesign& control : spec.controls) ids.insert(control.id);
  EXPECT_EQ(ids.size(), 10u);
  EXPECT_EQ(ids.count(ui::ids::btnClose), 1u);
  EXPECT_EQ(ids.count(ui::ids::lblVersion), 1u);
}

}  // namespace
