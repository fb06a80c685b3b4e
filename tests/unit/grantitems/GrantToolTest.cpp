#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/grantitems/ExitCodes.h"
#include "tools/grantitems/GrantTool.h"
#include "tools/grantitems/ItemChecks.h"
#include "tools/grantitems/memory/MemoryItemTree.h"
#include "tools/myright/memory/MemorySecurityPolicy.h"

namespace grantitems {
namespace {

using Strings = std::vector<std::string>;

constexpr std::uint32_t kFile = 0x20;

TEST(GrantDecisions, OnlyTheListedItemWithOneNameAndNoLinkIsGranted) {
  const ListedItem file{u"a.dll", kFile, 42};
  const ListedItem folder{u"sub", kAttributeDirectory, 43};
  EXPECT_EQ(JudgeOpenedItem(file, {kFile, 1, 7, 42}, 7), Verdict::kGrant);
  EXPECT_EQ(JudgeOpenedItem(folder, {kAttributeDirectory, 3, 7, 43}, 7), Verdict::kGrant);
  // A hard link: the handle counts the names of the file, wherever they are.
  EXPECT_EQ(JudgeOpenedItem(file, {kFile, 2, 7, 42}, 7), Verdict::kSeveralNames);
  // A link, seen by the listing or by the handle.
  const ListedItem link{u"sub", kAttributeDirectory | kAttributeReparsePoint, 43};
  EXPECT_EQ(JudgeOpenedItem(link, {kAttributeDirectory, 1, 7, 43}, 7), Verdict::kLink);
  EXPECT_EQ(JudgeOpenedItem(folder, {kAttributeDirectory | kAttributeReparsePoint, 1, 7, 43}, 7),
            Verdict::kLink);
  // Not what was listed: another item, another volume, a folder for a file, no id to compare.
  EXPECT_EQ(JudgeOpenedItem(folder, {kAttributeDirectory, 1, 7, 99}, 7), Verdict::kNotListed);
  EXPECT_EQ(JudgeOpenedItem(folder, {kAttributeDirectory, 1, 8, 43}, 7), Verdict::kNotListed);
  EXPECT_EQ(JudgeOpenedItem(file, {kAttributeDirectory, 1, 7, 42}, 7), Verdict::kNotListed);
  EXPECT_EQ(JudgeOpenedItem({u"a", kFile, 0}, {kFile, 1, 7, 0}, 7), Verdict::kNotListed);
}

// S-1-5-21-100-200-300, the computer's account domain; its guest account is not known by name,
// as under Wine.
const myright::Sid kDomain = {1,   4, 0, 0, 0,   0, 0, 5, 21, 0, 0, 0,
                              100, 0, 0, 0, 200, 0, 0, 0, 44, 1, 0, 0};

class GrantToolTest : public ::testing::Test {
 protected:
  GrantToolTest() {
    policy.SetAccountDomainSid(kDomain);
    share = tree.AddFolder(0, "share");
    secret = tree.AddFolder(0, "Secret");
    secretFile = tree.AddFile(secret, "system-file.dll");
    tree.AddFile(share, "a.txt");
    sub = tree.AddFolder(share, "sub");
    tree.AddFile(sub, "b.txt");
  }

  std::uint32_t Run(const std::vector<std::u16string>& args) {
    std::ostringstream text;
    StreamOutput out(text);
    const std::uint32_t code = RunGrantTool(args, policy, tree, out);
    err = text.str();
    EXPECT_EQ(tree.openItems, 0) << "handles left open";
    return code;
  }

  struct StreamOutput : myright::Output {
    explicit StreamOutput(std::ostream& stream) : stream(stream) {}
    void Write(const char* text) override { stream << text; }
    std::ostream& stream;
  };

  myright::MemorySecurityPolicy policy;
  MemoryItemTree tree;
  int share, secret, secretFile, sub;
  std::string err;
};

TEST_F(GrantToolTest, GrantsItemByItemAndLeavesOutLinksAndFilesWithMoreNames) {
  tree.AddLink(share, "junction", secret);
  tree.Name(sub, "innocent.dll", secretFile);
  tree.nodes[secretFile].links = 2;

  EXPECT_EQ(Run({u"/G", u"Guest:R", u"/T", u"C:\\share"}),
            kLeftOutBase + kLeftOutLinks + kLeftOutSeveralNames);
  EXPECT_EQ(tree.grants,
            (Strings{"C:\\share 1200a9 +inherit", "C:\\share\\a.txt 1200a9",
                     "C:\\share\\sub 1200a9 +inherit", "C:\\share\\sub\\b.txt 1200a9"}));
  EXPECT_EQ(tree.grantee, "S-1-5-21-100-200-300-501");
  EXPECT_NE(err.find("left out 1 junction(s)"), std::string::npos) << err;
  EXPECT_NE(err.find("left out 1 file(s) with more than one name"), std::string::npos) << err;

  // Without /T the folder alone; full control.
  tree.grants.clear();
  EXPECT_EQ(Run({u"c:/share/", u"/g", u"Guest:f"}), kExitDone);
  EXPECT_EQ(tree.grants, Strings{"C:\\share 1f01ff +inherit"});
}

TEST_F(GrantToolTest, ALinkMadeAfterTheListingIsNotFollowed) {
  // Between the listing and the opening, "sub" is replaced by a link to the secret folder; a
  // handle that follows it (as Wine's do) holds another item than the one listed.
  const int link = tree.AddLink(0, "unused", secret);
  tree.beforeOpen = [&](const std::u16string& name) {
    if (name == u"sub") tree.Name(share, "sub", link);
  };
  EXPECT_EQ(Run({u"/G", u"Guest:F", u"/T", u"C:\\share"}), kLeftOutBase + kLeftOutReplaced);
  tree.nodes[link].opensAs = -1;  // one that opens as itself shows it is a link
  tree.Name(share, "sub", sub);
  EXPECT_EQ(Run({u"/G", u"Guest:F", u"/T", u"C:\\share"}), kLeftOutBase + kLeftOutLinks);
  for (const std::string& grant : tree.grants) EXPECT_EQ(grant.find("Secret"), std::string::npos);
}

TEST_F(GrantToolTest, TheFolderItselfMustBeAFolderReachedWithoutLinks) {
  tree.AddLink(0, "Junction", share);
  EXPECT_EQ(Run({u"/G", u"Guest:R", u"/T", u"C:\\Junction"}), kExitFolderIsLink);
  EXPECT_EQ(Run({u"/G", u"Guest:R", u"/T", u"C:\\Junction\\sub"}), kExitFolderIsLink);
  EXPECT_EQ(Run({u"/G", u"Guest:R", u"C:\\share\\a.txt"}), kExitFolderNotFound);
  EXPECT_EQ(Run({u"/G", u"Guest:R", u"C:\\nothing"}), kExitFolderNotFound);
  EXPECT_TRUE(tree.grants.empty());
  for (const auto& args :
       std::vector<std::vector<std::u16string>>{{u"/G", u"Guest:R", u"C:\\share\\..\\Secret"},
                                                {u"/G", u"Guest:R", u"share"},
                                                {u"/G", u"Guest:W", u"C:\\share"},
                                                {u"/G", u"G\u00e4st:R", u"C:\\share"},
                                                {u"/T", u"C:\\share"}}) {
    EXPECT_EQ(Run(args), kExitUsage);
  }
  EXPECT_TRUE(tree.grants.empty());
}

TEST_F(GrantToolTest, AnItemThatCannotBeChangedIsLeftOutAndTheFolderMustBeChanged) {
  tree.nodes[sub].addError = 5;
  EXPECT_EQ(Run({u"/G", u"Guest:R", u"/T", u"C:\\share"}), kLeftOutBase + kLeftOutUnchangeable);
  EXPECT_EQ(tree.grants, (Strings{"C:\\share 1200a9 +inherit", "C:\\share\\a.txt 1200a9"}));
  tree.nodes[share].addError = 5;
  EXPECT_EQ(Run({u"/G", u"Guest:R", u"/T", u"C:\\share"}), kExitFolderNotGranted);
  tree.nodes[share].addError = 50;
  EXPECT_EQ(Run({u"/G", u"Guest:R", u"/T", u"C:\\share"}), kExitNoAccessLists);
}

}  // namespace
}  // namespace grantitems
