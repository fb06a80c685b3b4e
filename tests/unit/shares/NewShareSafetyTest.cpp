// Failures that must not pass for success, and input that must not be misread on its way to the
// system.
#include <gtest/gtest.h>

#include "NewShareFixture.h"
#include "shares/FolderSafety.h"
#include "support/Events.h"

namespace {

using platform::mb::kIconWarning;
using platform::mb::kOk;
using shares_test::MemoryForm;
using shares_test::NewShareFixture;
using shares_test::U;

const char* const kNeedBoth =
    "Please select a directory to share and input a share name for the directory!";
const char* const kXcacls = "cscript.exe \"C:\\Program Files\\Plinvo\\XCACLS.vbs\"  ";

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

TEST(NewShareFailures, AFailingNetShareIsReportedWithItsCodeAndNoRightsFollow) {
  NewShareFixture f(6);
  f.test.world.processes.run = [](const platform::memory::Launch& launch) {
    return StartsWith(launch.commandLine, "net ") ? 2u : 0u;
  };
  f.Open([&](MemoryForm&) {
    f.Pick("C:\\docs");
    f.Ok();
    EXPECT_FALSE(f.Closed());
    EXPECT_TRUE(f.Button("m_btnOK").Enabled());
    EXPECT_EQ(f.Result().Text(), "share processing step 1...");
    f.Button("m_btnCancel").Click();
  });
  EXPECT_EQ(f.Commands(),
            std::vector<std::string>{"net share docs=\"C:\\docs\"  /GRANT:Guest,READ"});
  ASSERT_EQ(f.BoxTexts(), std::vector<std::string>{"The share could not be created: \"net share\" "
                                                   "ended with error code 2."});
  EXPECT_EQ(f.test.world.messageBoxes.shown[0].style, kOk | kIconWarning);
}

TEST(NewShareFailures, ANetThatCannotStartIsReported) {
  NewShareFixture f(6);
  f.test.world.processes.canStart = [](const platform::memory::Launch& launch) {
    return !StartsWith(launch.commandLine, "net ");
  };
  f.Open([&](MemoryForm&) {
    f.Pick("D:\\docs");
    f.Ok();
    EXPECT_FALSE(f.Closed());
    EXPECT_TRUE(f.Button("m_btnOK").Enabled());
  });
  EXPECT_EQ(f.BoxTexts(),
            std::vector<std::string>{
                "The share could not be created: \"net share\" could not be started."});
  EXPECT_TRUE(f.test.world.shareSecurity.reads.empty());
}

TEST(NewShareFailures, AFailingShareEntryIsReportedInsteadOfSuccessAndTheDialogCloses) {
  NewShareFixture f(5);
  f.test.world.shareSecurity.setResults = {5};
  f.Open([&](MemoryForm&) {
    f.Pick("D:\\photos");
    f.Ok();
    EXPECT_TRUE(f.Closed());
    EXPECT_NE(f.Result().Text(), "Share OK!");
  });
  ASSERT_EQ(f.BoxTexts(), std::vector<std::string>{"The share was created, but the rights of the "
                                                   "visitors could not be set. Error code: 5."});
  EXPECT_EQ(f.test.world.messageBoxes.shown[0].style, kOk | kIconWarning);
  EXPECT_TRUE(f.test.world.shareSecurity.liveAllocations.empty());
  EXPECT_EQ(shares_test::SharesFixture::Captions(f.Folders()), std::vector<std::string>{"photos"});
  EXPECT_EQ(testing_support::EventLines(f.test.world.eventLog),
            std::vector<std::string>{"121 warning: Administrator | photos | D:\\photos | read-only "
                                     "access | The share was created, but the rights of the "
                                     "visitors could not be set. Error code: 5."});
}

TEST(NewShareFailures, AFailingOrMissingScriptIsReportedInsteadOfSuccess) {
  NewShareFixture f(5);
  f.test.world.processes.run = [](const platform::memory::Launch&) { return 1u; };
  f.Share("C:\\a", "a");
  f.test.world.processes.canStart = [](const platform::memory::Launch&) { return false; };
  f.Share("C:\\b", "b");
  EXPECT_EQ(f.BoxTexts(),
            (std::vector<std::string>{"The share was created, but the rights of the visitors could "
                                      "not be set: \"cscript.exe\" ended with error code 1.",
                                      "The share was created, but the rights of the visitors could "
                                      "not be set: \"cscript.exe\" could not be started."}));
  EXPECT_EQ(f.service.added.size(), 2u);
}

TEST(NewShareFailures, AnExitCodeThatCannotBeReadIsAFailureForNetAndForTheScript) {
  NewShareFixture f(6);
  f.test.world.processes.exitCodeUnreadable = [](const platform::memory::Launch& launch) {
    return StartsWith(launch.commandLine, "net ");
  };
  f.Share("C:\\a", "a");
  NewShareFixture g(5);
  g.test.world.processes.exitCodeUnreadable = [](const platform::memory::Launch& launch) {
    return StartsWith(launch.commandLine, "cscript.exe");
  };
  g.Share("C:\\b", "b");
  ASSERT_EQ(f.BoxTexts().size(), 1u);
  EXPECT_TRUE(StartsWith(f.BoxTexts()[0], "The share could not be created: \"net share\" ended"))
      << f.BoxTexts()[0];
  ASSERT_EQ(g.BoxTexts().size(), 1u);
  EXPECT_TRUE(StartsWith(g.BoxTexts()[0],
                         "The share was created, but the rights of the visitors "
                         "could not be set: \"cscript.exe\" ended"))
      << g.BoxTexts()[0];
}

TEST(NewShareInput, ANameWithBlanksReachesNetAsOneArgument) {
  NewShareFixture f(6);
  f.Share("C:\\My Documents", "My Documents");
  ASSERT_FALSE(f.Commands().empty());
  EXPECT_EQ(f.Commands()[0], "net share \"My Documents\"=\"C:\\My Documents\"  /GRANT:Guest,READ");
}

TEST(NewShareInput, ADrivesRootKeepsItsClosingQuotesInBothCommands) {
  NewShareFixture f(6);
  f.Share("C:\\", "cdrive", true);
  EXPECT_EQ(f.Commands(),
            (std::vector<std::string>{"net share cdrive=\"C:\\\\\"  /GRANT:Guest,FULL",
                                      std::string(kXcacls) + "\"C:\\\\\" /T /G Guest:F /E"}));
}

TEST(NewShareInput, ANameWithACharacterWindowsRefusesNeverReachesNet) {
  const std::string refused = "\"/\\[]:|<>+=;,*?\x01\x1f\x7f";
  for (char c : refused) {
    NewShareFixture f(6);
    const std::string name = std::string("a") + c + "b";
    f.Open([&](MemoryForm&) {
      f.Pick("C:\\docs");
      f.Type(name);
      f.Ok();
      EXPECT_FALSE(f.Closed());
      EXPECT_TRUE(f.Button("m_btnOK").Enabled());
      EXPECT_EQ(f.Result().Text(), "result:");
    });
    EXPECT_TRUE(f.Commands().empty()) << static_cast<int>(c);
    ASSERT_EQ(f.BoxTexts(),
              std::vector<std::string>{"The character or file system name is not valid."});
    EXPECT_EQ(f.test.world.messageBoxes.shown[0].style, kOk | kIconWarning);
  }
}

TEST(NewShareInput, TheShareServiceJudgesNamesItself) {
  NewShareFixture f(5);
  f.Share("C:\\docs", "a=b");
  ASSERT_EQ(f.service.added.size(), 1u);
  EXPECT_EQ(f.service.added[0].netName, U("a=b"));
}

TEST(NewShareInput, TextsTooLongForTheBuffersAreRefusedBeforeAnythingChanges) {
  for (std::uint32_t version : {5u, 6u}) {
    NewShareFixture f(version);
    f.Open([&](MemoryForm&) {
      f.Pick("C:\\docs");
      f.Type(std::string(254, 'n'));  // fits exactly
      f.Ok();
    });
    f.Open([&](MemoryForm&) {
      f.Pick("C:\\docs");
      f.Type(std::string(255, 'n'));
      f.Ok();
      EXPECT_FALSE(f.Closed());
      EXPECT_EQ(f.Edit("m_editShareName").Text(), std::string(255, 'n'));  // never cut
      f.Pick("C:\\" + std::string(252, 'd'));                              // 255 characters
      f.Type("ok");
      f.Ok();
      EXPECT_FALSE(f.Closed());
      EXPECT_TRUE(f.Button("m_btnOK").Enabled());
    });
    EXPECT_EQ(f.BoxTexts(),
              (std::vector<std::string>{
                  "Share OK!", "The share name is too long: it may have at most 254 characters.",
                  "The folder path is too long: it may have at most 254 characters."}))
        << version;
    EXPECT_EQ(f.Commands().size() + f.service.added.size(), 2u);
  }
}

// Folders that are not what their path text says, or that lead elsewhere, are refused as soon as
// they are picked and again at "OK"; nothing is shared, launched or granted.
TEST(NewShareFolders, UnsafeFoldersAreRefusedAndNothingIsLaunched) {
  struct Case {
    std::u16string picked;
    const char* refusal;
  };
  const Case cases[] = {
      // Best fit would make this C:\users\Public\Pics\..\..\..\windows, proposed as "windows".
      {u"C:\\users\\Public\\Pics\uFF3C..\uFF3C..\uFF3C..\uFF3Cwindows",
       shares::kFolderNotInCodePage},
      {u"C:\\x\uFF02 \uFF0FGRANT\uFF1AEveryone,FULL \uFF0FREMARK\uFF1A\uFF02",
       shares::kFolderNotInCodePage},
      {u"C:\\sh\u02BAre", shares::kFolderNotInCodePage},
      {u"C:\\100% sure", shares::kFolderWithQuoteOrPercent},
      {u"C:\\share\\%WINDIR%", shares::kFolderWithQuoteOrPercent},
      {u"C:\\users\\..\\windows", shares::kFolderNotPlain},
      {u"C:\\docs\\.", shares::kFolderNotPlain},
      {u"C:\\docs.", shares::kFolderNotPlain},  // the system reads it as C:\docs
      {u"C:\\link", shares::kFolderThroughLink},
      {u"C:\\link\\inside", shares::kFolderThroughLink}};
  for (std::uint32_t version : {5u, 6u}) {
    for (const Case& c : cases) {
      NewShareFixture f(version);
      f.test.world.files.reparsePoints = {"c:\\link"};
      f.Open([&](MemoryForm&) {
        f.Pick(c.picked);
        EXPECT_EQ(f.Edit("m_editShareDir").Text(), "");
        EXPECT_EQ(f.Edit("m_editShareName").Text(), "");
        f.Type("windows");
        f.Ok();
        EXPECT_FALSE(f.Closed());
      });
      EXPECT_EQ(f.BoxTexts(), (std::vector<std::string>{c.refusal, kNeedBoth}));
      EXPECT_EQ(f.test.world.messageBoxes.shown[0].style, kOk | kIconWarning);
      EXPECT_EQ(f.test.world.messageBoxes.shown[0].caption, "Plinvo");
      EXPECT_TRUE(f.Commands().empty());
      EXPECT_TRUE(f.service.added.empty());
    }
  }
}

TEST(NewShareFolders, AFolderTurnedIntoAJunctionAfterThePickIsRefusedAtOk) {
  NewShareFixture f(6);
  f.Open([&](MemoryForm&) {
    f.Pick("C:\\docs");
    f.test.world.files.reparsePoints = {"c:\\docs"};
    f.Ok();
    EXPECT_TRUE(f.Button("m_btnOK").Enabled());
  });
  EXPECT_EQ(f.BoxTexts(), std::vector<std::string>{shares::kFolderThroughLink});
  EXPECT_TRUE(f.Commands().empty());
}

TEST(NewShareInput, ATypedNameWithLookAlikesIsRefusedAsTyped) {
  for (std::uint32_t version : {5u, 6u}) {
    NewShareFixture f(version);
    f.Open([&](MemoryForm&) {
      f.Pick("C:\\docs");
      // What an ANSI read of the field gives: the plain characters, which pass every check.
      f.Edit("m_editShareName").TypeWide(u"  docs\uFF06more ", "  docs&more ");
      f.Ok();
      EXPECT_FALSE(f.Closed());
    });
    EXPECT_EQ(f.BoxTexts(), std::vector<std::string>{shares::kShareNameNotInCodePage});
    EXPECT_TRUE(f.Commands().empty());
    EXPECT_TRUE(f.service.added.empty());
  }
}

// Shift-JIS: the second byte of ソ, 表 and 予 is the code of a backslash.
TEST(NewShareInput, DoubleByteNamesAndFoldersAreReadCharacterByCharacter) {
  const std::string so = "\x83\x5C", fu = "\x83\x74", to = "\x83\x67";
  const std::string hyo = "\x95\x5C", yo = "\x97\x5C";
  NewShareFixture f(6);
  f.test.world.text.codePage = platform::memory::CodePage::Japanese;
  f.test.forms.ansiReader = [&f](const std::string& ansi) {
    std::u16string wide;
    f.test.world.text.AnsiToWide(ansi, wide, ansi.size() + 1);
    return wide;
  };
  f.Open([&](MemoryForm&) {
    f.Pick(u"C:\\\u30BD\u30D5\u30C8");
    EXPECT_EQ(f.Edit("m_editShareName").Text(), so + fu + to);
    f.Ok();
  });
  f.Open([&](MemoryForm&) {
    f.Pick(u"C:\\\u30BD\u30D5\u30C8\\\u8868");
    EXPECT_EQ(f.Edit("m_editShareName").Text(), hyo);
    f.Edit("m_editShareName").TypeWide(u"\u4E88", yo);
    f.ChooseFull();
    f.Ok();
  });
  EXPECT_EQ(f.BoxTexts(), (std::vector<std::string>{"Share OK!", "Share OK!"}));
  const std::string folder1 = "C:\\" + so + fu + to, folder2 = folder1 + "\\" + hyo;
  EXPECT_EQ(f.Commands(),
            (std::vector<std::string>{
                "net share " + so + fu + to + "=\"" + folder1 + "\"  /GRANT:Guest,READ",
                std::string(kXcacls) + "\"" + folder1 + "\" /T /G Guest:R /E",
                "net share " + yo + "=\"" + folder2 + "\"  /GRANT:Guest,FULL",
                std::string(kXcacls) + "\"" + folder2 + "\" /T /G Guest:F /E"}));
}

TEST(NewShareFailures, OnAFatDriveTheUserLearnsThatVisitorsRightsCannotBeSet) {
  NewShareFixture f(5);
  f.test.world.files.volumes["f:\\"] = "exFAT";
  f.test.world.processes.run = [](const platform::memory::Launch&) { return 50u; };
  f.Share("E:\\photos", "photos");
  f.Share("F:\\music", "music");
  const std::string cannot =
      "The share was created, but the rights of the visitors cannot be set on this drive: its "
      "file system ";
  EXPECT_EQ(f.BoxTexts(), (std::vector<std::string>{
                              cannot + "(FAT) keeps no access rights for files and folders.",
                              cannot + "(exFAT) keeps no access rights for files and folders."}));
}

}  // namespace

namespace {

// The access script's code for a tree whose links and hard links were left out.
constexpr std::uint32_t kLinksAndHardLinksLeftOut = 64 + 1 + 2;

TEST(NewShareFailures, WhatTheGrantLeftOutIsToldAfterTheShareIsMade) {
  NewShareFixture f(5);
  f.test.world.processes.run = [](const platform::memory::Launch& launch) {
    return StartsWith(launch.commandLine, "cscript.exe") ? kLinksAndHardLinksLeftOut : 0u;
  };
  f.Open([&](MemoryForm&) {
    f.Pick("C:\\docs");
    f.Ok();
    EXPECT_TRUE(f.Closed());
  });
  EXPECT_EQ(f.BoxTexts(),
            std::vector<std::string>{
                "The visitors were given their rights on the folder, but not on these items in "
                "it:\n- junctions, symbolic links and mounted drives, with what they lead to: "
                "rights set there would land outside the folder;\n- files with more than one name "
                "(hard links): another name may lie outside the folder, and the rights would "
                "reach the file there too.\n\nGive the visitors rights on them yourself where "
                "they need them."});
  EXPECT_EQ(f.test.world.messageBoxes.shown[0].style, kOk | kIconWarning);
  EXPECT_EQ(shares_test::SharesFixture::Captions(f.Folders()), std::vector<std::string>{"docs"});
}

}  // namespace
