// The folder guard's rules on access lists as Windows keeps them on its own folders and as
// users and other programs leave them, since Wine keeps no access lists to try them on.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <ostream>

#include "platform/FolderGuardRules.h"
#include "platform/WellKnownSids.h"

namespace {

using platform::FolderGuard;
using platform::GuardedFolder;
using platform::GuardEntry;
using Kind = GuardEntry::Kind;

using namespace platform::sids;
constexpr const char* kUser = "S-1-5-21-1-2-3-1004";

constexpr std::uint32_t kFull = 0x1F01FF;
constexpr std::uint32_t kModify = 0x1301BF;
constexpr std::uint32_t kReadExecute = 0x1200A9;
constexpr std::uint32_t kGenericAll = 0x10000000;
constexpr std::uint32_t kGenericWrite = 0x40000000;
constexpr std::uint32_t kInheritOnly = 0x0B;  // container and object inherit, inherit only

// C:\ of a fresh Windows XP: users may add folders and files but not remove others'.
GuardedFolder XpDriveRoot() {
  GuardedFolder root;
  root.read = root.directory = root.driveRoot = root.hasAccessList = true;
  root.owner = kAdministrators;
  root.entries = {{Kind::Allowed, 0x03, kFull, kAdministrators},
                  {Kind::Allowed, 0x03, kFull, kSystem},
                  {Kind::Allowed, kInheritOnly, kGenericAll, kCreatorOwner},
                  {Kind::Allowed, 0x03, kReadExecute, kUsers},
                  {Kind::Allowed, 0x02, 0x000004, kUsers},
                  {Kind::Allowed, 0x0A, 0x000002, kUsers},
                  {Kind::Allowed, 0x03, kReadExecute, kEveryone}};
  return root;
}

// C:\Windows on Vista: owned by the installer service.
GuardedFolder VistaWindowsFolder() {
  GuardedFolder windows;
  windows.read = windows.directory = windows.hasAccessList = true;
  windows.owner = kTrustedInstaller;
  windows.entries = {{Kind::Allowed, 0, kFull, kTrustedInstaller},
                     {Kind::Allowed, 0, kModify, kSystem},
                     {Kind::Allowed, 0, kModify, kAdministrators},
                     {Kind::Allowed, 0, kReadExecute, kUsers},
                     {Kind::Allowed, kInheritOnly, kGenericAll, kCreatorOwner}};
  return windows;
}

struct GuardCase {
  const char* situation;
  std::function<void(GuardedFolder&)> change;
  bool expected;
};

// Its situation, for the test's parameter; the bytes GoogleTest would print otherwise include
// the struct's padding, which is never set.
void PrintTo(const GuardCase& guardCase, std::ostream* out) { *out << guardCase.situation; }

// "a user owns it" reads "AUserOwnsIt" in the test's name.
std::string CaseName(const ::testing::TestParamInfo<GuardCase>& info) {
  std::string name;
  bool capital = true;
  for (const char* c = info.param.situation; *c != '\0'; ++c) {
    const bool letter = std::isalnum(static_cast<unsigned char>(*c)) != 0;
    if (letter) name += capital ? static_cast<char>(std::toupper(*c)) : *c;
    capital = !letter;
  }
  return name;
}

class FolderGuardRulesTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(FolderGuardRulesTest, DecidesWhetherOthersCouldChangeTheFolder) {
  for (GuardedFolder folder : {XpDriveRoot(), VistaWindowsFolder()}) {
    GetParam().change(folder);
    EXPECT_EQ(platform::OnlyTrustedCanChange(folder), GetParam().expected)
        << GetParam().situation << (folder.driveRoot ? " (drive root)" : " (Windows folder)");
  }
}

void Add(GuardedFolder& folder, GuardEntry entry) { folder.entries.push_back(entry); }

const GuardCase kGuardCases[] = {
    {"as Windows leaves it", [](GuardedFolder&) {}, true},
    {"a user may change what the folder holds",
     [](GuardedFolder& f) {
       Add(f, {Kind::Allowed, 0, kModify, kUsers});
     },
     false},
    {"a user holds all rights through the generic bit",
     [](GuardedFolder& f) {
       Add(f, {Kind::Allowed, 0, kGenericAll, kUser});
     },
     false},
    {"a user may only rewrite its permissions",
     [](GuardedFolder& f) {
       Add(f, {Kind::Allowed, 0, 0x00040000, kUser});
     },
     false},
    {"a user may take ownership",
     [](GuardedFolder& f) {
       Add(f, {Kind::Allowed, 0, 0x00080000, kUser});
     },
     false},
    {"a user may delete what it holds",
     [](GuardedFolder& f) {
       Add(f, {Kind::Allowed, 0, 0x00000040, kUser});
     },
     false},
    // Writing creates entries but moves none.
    {"everyone may write, not delete",
     [](GuardedFolder& f) {
       Add(f, {Kind::Allowed, 0, kGenericWrite, kEveryone});
     },
     true},
    {"a user's full rights pass to what the folder holds only",
     [](GuardedFolder& f) {
       Add(f, {Kind::Allowed, kInheritOnly, kFull, kUser});
     },
     true},
    {"a user is denied everything",
     [](GuardedFolder& f) {
       Add(f, {Kind::Denied, 0, kFull, kUser});
     },
     true},
    {"the creator of a new entry and the owner's rights",
     [](GuardedFolder& f) {
       Add(f, {Kind::Allowed, 0, kFull, kCreatorOwner});
       Add(f, {Kind::Allowed, 0, kFull, kOwnerRights});
     },
     true},
    {"an entry of a kind not known here",
     [](GuardedFolder& f) {
       Add(f, {Kind::Other, 0, 0, ""});
     },
     false},
    {"an entry of a kind not known here, for what it holds only",
     [](GuardedFolder& f) {
       Add(f, {Kind::Other, kInheritOnly, 0, ""});
     },
     true},
    {"an account whose SID could not be read may change it",
     [](GuardedFolder& f) {
       Add(f, {Kind::Allowed, 0, kFull, ""});
     },
     false},
    {"no access list", [](GuardedFolder& f) { f.hasAccessList = false; }, false},
    {"a user owns it", [](GuardedFolder& f) { f.owner = kUser; }, false},
    {"the owner could not be read", [](GuardedFolder& f) { f.owner.clear(); }, false},
    {"it could not be read", [](GuardedFolder& f) { f.read = false; }, false},
    {"it is a file", [](GuardedFolder& f) { f.directory = false; }, false},
};

INSTANTIATE_TEST_SUITE_P(Lists, FolderGuardRulesTest, ::testing::ValuesIn(kGuardCases), CaseName);

// The folder the setup makes for Plinvo's records.
GuardedFolder RecordsFolder() {
  GuardedFolder folder;
  folder.read = folder.directory = folder.hasAccessList = true;
  folder.owner = kAdministrators;
  folder.entries = {{Kind::Allowed, 0x03, kFull, kAdministrators},
                    {Kind::Allowed, 0x03, kFull, kSystem}};
  return folder;
}

class PrivateFolderRulesTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(PrivateFolderRulesTest, DecidesWhetherOnlyAdministratorsMayOpenTheFolder) {
  GuardedFolder folder = RecordsFolder();
  GetParam().change(folder);
  EXPECT_EQ(platform::OnlyAdministratorsMayOpen(folder), GetParam().expected)
      << GetParam().situation;
}

// Unlike the guard, reading counts: an entry passed on to what the folder holds lets its
// holder read the records there.
const GuardCase kPrivateCases[] = {
    {"as the setup makes it", [](GuardedFolder&) {}, true},
    {"owned by the system", [](GuardedFolder& f) { f.owner = kSystem; }, true},
    {"everyone is denied",
     [](GuardedFolder& f) {
       Add(f, {Kind::Denied, 0, kFull, kEveryone});
     },
     true},
    {"users may read",
     [](GuardedFolder& f) {
       Add(f, {Kind::Allowed, 0, kReadExecute, kUsers});
     },
     false},
    {"users may read what it holds",
     [](GuardedFolder& f) {
       Add(f, {Kind::Allowed, kInheritOnly, kReadExecute, kUsers});
     },
     false},
    {"the creator of a new entry",
     [](GuardedFolder& f) {
       Add(f, {Kind::Allowed, kInheritOnly, kGenericAll, kCreatorOwner});
     },
     false},
    {"an entry of a kind not known here",
     [](GuardedFolder& f) {
       Add(f, {Kind::Other, kInheritOnly, 0, ""});
     },
     false},
    {"owned by the installer service", [](GuardedFolder& f) { f.owner = kTrustedInstaller; },
     false},
    {"owned by a user", [](GuardedFolder& f) { f.owner = kUser; }, false},
    {"no access list", [](GuardedFolder& f) { f.hasAccessList = false; }, false},
    {"a junction", [](GuardedFolder& f) { f.reparsePoint = true; }, false},
    {"it could not be read", [](GuardedFolder& f) { f.read = false; }, false},
    {"it is a file", [](GuardedFolder& f) { f.directory = false; }, false},
};

INSTANTIATE_TEST_SUITE_P(Lists, PrivateFolderRulesTest, ::testing::ValuesIn(kPrivateCases),
                         CaseName);

// A junction or link would send the path elsewhere; a drive root that is a mounted volume is
// itself the place.
TEST(FolderGuardRules, AReparsePointBelowTheRootExposesThePath) {
  GuardedFolder link = VistaWindowsFolder();
  link.reparsePoint = true;
  EXPECT_FALSE(platform::OnlyTrustedCanChange(link));
  GuardedFolder mounted = XpDriveRoot();
  mounted.reparsePoint = true;
  EXPECT_TRUE(platform::OnlyTrustedCanChange(mounted));
}

TEST(FolderGuardRules, EveryFolderAlongThePathIsReadUntilOneIsExposed) {
  std::map<std::string, GuardedFolder> disk = {{"C:\\", XpDriveRoot()},
                                               {"C:\\Program Files", VistaWindowsFolder()},
                                               {"C:\\Program Files\\Plinvo", VistaWindowsFolder()}};
  std::vector<std::string> read;
  const auto reader = [&](const std::string& path) {
    read.push_back(path);
    const auto found = disk.find(path);
    return found == disk.end() ? GuardedFolder{} : found->second;
  };
  EXPECT_EQ(platform::GuardAlong("C:\\Program Files\\Plinvo\\", reader),
            FolderGuard::AdministratorsOnly);
  EXPECT_EQ(read,
            (std::vector<std::string>{"C:\\", "C:\\Program Files", "C:\\Program Files\\Plinvo"}));

  // Users may rename the folder above: whatever Plinvo's own list says, it can be swapped.
  disk["C:\\Program Files"].entries.push_back({Kind::Allowed, 0, kModify, kUsers});
  read.clear();
  EXPECT_EQ(platform::GuardAlong("C:\\Program Files\\Plinvo", reader), FolderGuard::Exposed);
  EXPECT_EQ(read.back(), "C:\\Program Files");
  // A folder that is not there is not guarded.
  EXPECT_EQ(platform::GuardAlong("C:\\Plinvo", reader), FolderGuard::Exposed);
  EXPECT_EQ(platform::GuardAlong("C:\\", reader), FolderGuard::AdministratorsOnly);

  // Paths the rules cannot follow are read nowhere.
  read.clear();
  for (const char* path : {"", "C:", "C:Plinvo", "\\\\server\\share\\Plinvo",
                           "C:\\Program "
                           "Files\\\\Plinvo",
                           "relative\\Plinvo"}) {
    EXPECT_EQ(platform::GuardAlong(path, reader), FolderGuard::Exposed) << path;
  }
  EXPECT_TRUE(read.empty());
}

}  // namespace
