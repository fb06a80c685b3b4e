// What visitors with newer Windows need of this computer, for each Windows version and mode, and
// the instructions handed to them.
#include <gtest/gtest.h>

#include <memory>

#include "check/Rows.h"
#include "check/SharingCheckFixture.h"
#include "check/VisitorInstructions.h"
#include "sharemode/RestorableSettings.h"
#include "sharemode/ServerSigning.h"

namespace check_testing {
namespace {

using check::FixKind;
using platform::memory::RegistryValue;

const char* const kServer = "SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters";
enum Signing { kAbsent, kOff, kOffered, kRequired };

struct Case {
  int major, minor;
  Signing signing;
  int mode;
  Status status;
  const char* found;
  std::vector<const char*> said;  // phrases of the explanation
};

class VisitorsTest : public ::testing::Test {
 protected:
  VisitorsTest() { ApplyInWorld(*world, 2); }
  // A computer of the case's Windows version with the server's signing set as it says.
  void SetUp(const Case& c) {
    world = std::make_unique<platform::memory::MemoryWorld>();
    ApplyInWorld(*world, 2);
    world->identity.version.majorVersion = static_cast<std::uint32_t>(c.major);
    world->identity.version.minorVersion = static_cast<std::uint32_t>(c.minor);
    if (c.signing == kAbsent) return;
    for (const char* name : {"enablesecuritysignature", "requiresecuritysignature"}) {
      const bool on = name[0] == 'e' ? c.signing == kOffered : c.signing == kRequired;
      world->registry.Put(kServer, name, {RegistryValue::Type::Dword, on ? 1u : 0u, {}});
    }
  }
  check::Finding Row(int mode) {
    std::vector<check::Finding> rows;
    check::CheckNewerVisitors({world->platform, kFolder, mode}, rows);
    EXPECT_EQ(rows.size(), 1u);
    return rows.empty() ? check::Finding{} : rows.front();
  }
  std::string Instructions(int mode) {
    std::u16string text;
    EXPECT_TRUE(check::VisitorInstructions(world->platform, mode, text));
    return std::string(text.begin(), text.end());  // the test's texts are plain ASCII
  }
  std::unique_ptr<platform::memory::MemoryWorld> world =
      std::make_unique<platform::memory::MemoryWorld>();
};

TEST_F(VisitorsTest, EachWindowsAndModeTellsWhatNewerWindowsNeedAndOffersSigningWhereMissing) {
  const char* const smb1 = "SMB 1.0/CIFS Client";
  const char* const guests = "(\"insecure guest logons\")";
  const char* const account = "with an account of WORKSTATION1 and its password";
  const char* const fix = "Press Fix to let the Server service offer signing";
  const char* const noSigning = "does not offer it (its setting enablesecuritysignature is off";
  const Case cases[] = {
      {5,
       1,
       kAbsent,
       check::kNoMode,
       Status::WorthKnowing,
       "Windows XP: SMB 1 only, no signing",
       {smb1, noSigning, "No share mode has been applied by Plinvo"}},
      {5,
       1,
       kOff,
       0,
       Status::Holds,
       "Windows XP: SMB 1 only, no signing",
       {"In Stop Share visitors are not meant to come in"}},
      {5,
       1,
       kOff,
       1,
       Status::Blocks,
       "Windows XP: SMB 1 only, no signing",
       {smb1, "Windows 10 from version 1709 and Windows 11", noSigning, guests,
        "A guest connection cannot be signed", fix}},
      {5,
       1,
       kAbsent,
       2,
       Status::Blocks,
       "Windows XP: SMB 1 only, no signing",
       {smb1, noSigning, account, fix}},
      {5,
       1,
       kOffered,
       check::kNoMode,
       Status::WorthKnowing,
       "Windows XP: SMB 1 only, signing offered",
       {smb1, "WORKSTATION1 offers signing"}},
      {5, 1, kOffered, 0, Status::Holds, "Windows XP: SMB 1 only, signing offered", {}},
      {5,
       1,
       kOffered,
       1,
       Status::WorthKnowing,
       "Windows XP: SMB 1 only, signing offered",
       {smb1, "offers signing", guests, "Normal Share on WORKSTATION1"}},
      {5,
       1,
       kRequired,
       2,
       Status::WorthKnowing,
       "Windows XP: SMB 1 only, signing offered",
       {smb1, "offers signing", account}},
      {6,
       0,
       kAbsent,
       check::kNoMode,
       Status::WorthKnowing,
       "Windows Vista: SMB 2, signing offered",
       {"Windows Vista, which runs on WORKSTATION1, speaks the second version"}},
      {6, 0, kAbsent, 0, Status::Holds, "Windows Vista: SMB 2, signing offered", {}},
      {6,
       0,
       kOff,
       1,
       Status::WorthKnowing,
       "Windows Vista: SMB 2, signing offered",
       {"(SMB 2)", guests, "\"Enable insecure guest logons\"", "costs safety"}},
      {6,
       0,
       kAbsent,
       2,
       Status::WorthKnowing,
       "Windows Vista: SMB 2, signing offered",
       {"(SMB 2)", account}},
  };
  for (const Case& c : cases) {
    SetUp(c);
    const check::Finding row = Row(c.mode);
    const std::string label = std::string(c.found) + ", mode " + std::to_string(c.mode);
    EXPECT_EQ(row.what, "Visitors with newer Windows");
    EXPECT_EQ(row.status, c.status) << label;
    EXPECT_EQ(row.found, c.found) << label;
    EXPECT_EQ(row.fix, c.status == Status::Blocks ? FixKind::OfferSigning : FixKind::None) << label;
    for (const char* phrase : c.said) {
      EXPECT_NE(row.explanation.find(phrase), std::string::npos) << label << ": " << phrase;
    }
    // Only Windows XP's SMB 1 asks anything of the visitor's Windows features.
    EXPECT_EQ(row.explanation.find(smb1) != std::string::npos, c.major == 5 && c.mode != 0)
        << label;
  }
}

TEST_F(VisitorsTest, AnUnreadableSettingOrVersionIsNeverShownAsHolding) {
  world->registry.unreadableKeys.insert(
      "system\\currentcontrolset\\services\\lanmanserver\\parameters");
  const check::Finding row = Row(1);
  EXPECT_EQ(row.status, Status::NotChecked);
  EXPECT_EQ(row.found, "Windows XP: SMB 1 only, signing not read");
  EXPECT_NE(row.explanation.find("could not be read: Windows refused access"), std::string::npos)
      << row.explanation;
  world->identity.versionFails = true;
  EXPECT_EQ(Row(2).status, Status::NotChecked);
}

TEST_F(VisitorsTest, OnlyTheOfferToSignInAStateWindowsKnowsMayBePutBack) {
  auto saved = [](const char* key, const char* name, std::uint32_t number, bool present) {
    platform::RegistryData data{platform::kRegDword, std::string(4, '\0')};
    data.bytes[0] = static_cast<char>(number);
    return sharemode::SavedValue{key, name, present, data};
  };
  const char* const key = "\\SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters";
  sharemode::SavedSettings record;
  record.values = {saved(key, "enablesecuritysignature", 0, true),
                   saved("\\system\\currentcontrolset\\services\\lanmanserver\\parameters",
                         "EnableSecuritySignature", 0, false),
                   saved(key, "enablesecuritysignature", 7, true),
                   saved(key, "requiresecuritysignature", 0, true),
                   saved("\\SYSTEM\\CurrentControlSet\\Services\\LanmanWorkstation\\Parameters",
                         "enablesecuritysignature", 0, true)};
  const sharemode::ScreenedSettings screened = sharemode::ScreenSettings(record);
  EXPECT_EQ(screened.allowed.values.size(), 2u);
  EXPECT_EQ(screened.ignored.size(), 3u);
}

TEST_F(VisitorsTest, InstructionsTellTheAddressesTheAccountAndWhatNewerWindowsNeeds) {
  world->adapters.adapters.push_back({"{4D36E972-0002}", "Loopback", {"127.0.0.1", "10.0.0.7"}});
  world->shareService.shares.push_back({u"Music", 0, u"", 0, u"D:\\Music"});
  const std::string normal = Instructions(2);
  EXPECT_EQ(normal.rfind("How to open the shared folders of WORKSTATION1\r\n\r\n1. ", 0), 0u);
  const std::string addresses =
      "   \\\\WORKSTATION1\r\n   or, when the name is not found, its network address:\r\n"
      "   \\\\192.168.1.20\r\n   \\\\10.0.0.7\r\n2. Each shared folder has an address of its "
      "own:\r\n   \\\\WORKSTATION1\\Photos\r\n   \\\\WORKSTATION1\\Music\r\n3. Account: Normal "
      "Share lets visitors into WORKSTATION1 with an account of WORKSTATION1";
  EXPECT_NE(normal.find(addresses), std::string::npos) << normal;
  EXPECT_NE(normal.find("\r\n\r\nWhat Windows 10 and 11 need: Windows XP, which runs on "
                        "WORKSTATION1, speaks only"),
            std::string::npos);
  EXPECT_NE(Instructions(1).find("3. Account: Zendry Share lets visitors into WORKSTATION1 as "
                                 "the guest account, without a password."),
            std::string::npos);
  // Nothing to open while sharing is off.
  EXPECT_EQ(Instructions(0),
            "How to open the shared folders of WORKSTATION1\r\n\r\nSharing is off on "
            "WORKSTATION1: Plinvo's Stop Share keeps visitors out, so no other computer can open "
            "its folders now. Its owner can choose Zendry Share or Normal Share in Plinvo "
            "first.\r\n");
  EXPECT_NE(Instructions(check::kNoMode).find("no share mode has been applied there by Plinvo"),
            std::string::npos);
  world->shareService.shareEnumResults.push_back(5);
  EXPECT_NE(Instructions(2).find("2. The shared folders of WORKSTATION1 could not be listed."),
            std::string::npos);
}

}  // namespace
}  // namespace check_testing
