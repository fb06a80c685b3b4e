// What visitors with newer Windows need of this computer, for each Windows version and mode, and
// the instructions handed to them.
#include <gtest/gtest.h>

#include "check/Rows.h"
#include "check/SharingCheckFixture.h"
#include "check/VisitorInstructions.h"
#include "sharemode/ServerSigning.h"

namespace check_testing {
namespace {

using platform::memory::RegistryValue;

struct VisitorsTest : ::testing::Test {
  VisitorsTest() { ApplyInWorld(world, 2); }
  void Set(const char* name, std::uint32_t value) {
    world.registry.Put("SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters", name,
                       {RegistryValue::Type::Dword, value, {}});
  }
  check::Finding Row(int mode) {
    std::vector<check::Finding> rows;
    check::CheckNewerVisitors({world.platform, kFolder, mode}, rows);
    return rows.size() == 1 ? rows[0] : check::Finding{};
  }
  std::string Instructions(int mode) {
    std::u16string text;
    EXPECT_TRUE(check::VisitorInstructions(world.platform, mode, text));
    return std::string(text.begin(), text.end());  // the test's texts are plain ASCII
  }
  platform::memory::MemoryWorld world;
};

TEST_F(VisitorsTest, EachWindowsAndModeSaysWhatNewerWindowsNeedsAndOffersSigningWhereMissing) {
  const std::string xpOff = "Windows XP: SMB 1 only, no signing";
  const std::string xpOn = "Windows XP: SMB 1 only, signing offered";
  const std::string vista = "Windows Vista: SMB 2, signing offered";
  // Windows version (with the server's signing values), mode, then what the row says.
  struct Case {
    int major, minor, offer, require, mode;
    Status status;
    std::string found;
    std::vector<const char*> said;
  };
  const Case cases[] = {
      {5, 1, -1, -1, check::kNoMode, Status::WorthKnowing, xpOff, {"SMB 1.0/CIFS Client", "off"}},
      {5, 1, 0, 0, 0, Status::Holds, xpOff, {"In Stop Share visitors are not meant"}},
      {5, 1, 0, -1, 1, Status::Blocks, xpOff, {"from version 1709", "insecure guest", "Fix"}},
      {5, 1, -1, -1, 2, Status::Blocks, xpOff, {"with an account of WORKSTATION1", "Fix"}},
      {5, 1, 1, 0, 1, Status::WorthKnowing, xpOn, {"SMB 1.0/CIFS", "cannot be signed"}},
      {5, 1, 0, 1, 2, Status::WorthKnowing, xpOn, {"WORKSTATION1 offers signing", "account"}},
      {6, 0, -1, -1, check::kNoMode, Status::WorthKnowing, vista, {"(SMB 2)"}},
      {6, 0, 0, 0, 0, Status::Holds, vista, {}},
      {6, 0, 0, 0, 1, Status::WorthKnowing, vista, {"insecure guest", "costs safety"}},
      {6, 0, -1, -1, 2, Status::WorthKnowing, vista, {"with an account of WORKSTATION1"}},
  };
  for (const Case& c : cases) {
    world.registry = {};
    world.identity.version.majorVersion = static_cast<std::uint32_t>(c.major);
    world.identity.version.minorVersion = static_cast<std::uint32_t>(c.minor);
    if (c.offer >= 0) Set("enablesecuritysignature", static_cast<std::uint32_t>(c.offer));
    if (c.require >= 0) Set("requiresecuritysignature", static_cast<std::uint32_t>(c.require));
    const check::Finding row = Row(c.mode);
    const std::string label = c.found + " in mode " + std::to_string(c.mode);
    EXPECT_EQ(row.what, "Visitors with newer Windows");
    EXPECT_EQ(row.status, c.status) << label;
    EXPECT_EQ(row.found, c.found) << label;
    EXPECT_EQ(row.fix == check::FixKind::OfferSigning, c.status == Status::Blocks) << label;
    for (const char* phrase : c.said)
      EXPECT_NE(row.explanation.find(phrase), std::string::npos) << label << ": " << phrase;
    // Only Windows XP's SMB 1 asks anything of the visitor's Windows features.
    EXPECT_EQ(row.explanation.find("SMB 1.0") != std::string::npos, c.major == 5 && c.mode != 0);
  }
  world.registry.unreadableKeys.insert(
      "system\\currentcontrolset\\services\\lanmanserver\\parameters");
  world.identity.version.majorVersion = 5;
  EXPECT_EQ(Row(1).status, Status::NotChecked) << "never shown as holding";
  EXPECT_NE(Row(1).explanation.find("could not be read: Windows refused access"),
            std::string::npos);
  world.identity.versionFails = true;
  EXPECT_EQ(Row(2).status, Status::NotChecked);
  // A restore puts back the offer to sign alone, and only in a state Windows knows.
  sharemode::SavedValue value{"\\SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters",
                              "EnableSecuritySignature",
                              true,
                              {platform::kRegDword, {1, 0, 0, 0}}};
  EXPECT_TRUE(sharemode::IsServerSigningSetting(value));
  value.data.bytes[0] = 7;
  EXPECT_FALSE(sharemode::IsServerSigningSetting(value));
  value.name = "requiresecuritysignature";
  value.data.bytes[0] = 0;
  EXPECT_FALSE(sharemode::IsServerSigningSetting(value));
}

TEST_F(VisitorsTest, InstructionsTellTheAddressesTheAccountAndWhatNewerWindowsNeeds) {
  world.adapters.adapters.push_back({"{4D36E972-0002}", "Loopback", {"127.0.0.1", "10.0.0.7"}});
  EXPECT_NE(Instructions(2).find(
                "How to open the shared folders of WORKSTATION1\r\n\r\n1. On a computer of the "
                "same network, press the Windows key and R together, type the address of "
                "WORKSTATION1 and press Enter:\r\n   \\\\WORKSTATION1\r\n   or, when the name is "
                "not found, its network address:\r\n   \\\\192.168.1.20\r\n   \\\\10.0.0.7\r\n2. "
                "Each shared folder has an address of its own:\r\n   \\\\WORKSTATION1\\Photos\r\n"
                "3. Account: Normal Share lets visitors into WORKSTATION1 with an account of "
                "WORKSTATION1 and its password"),
            std::string::npos)
      << Instructions(2);
  EXPECT_NE(Instructions(2).find("\r\n\r\nWhat Windows 10 and 11 need: Windows XP, which runs on "
                                 "WORKSTATION1, speaks only"),
            std::string::npos);
  EXPECT_NE(Instructions(2).find("is off, as Windows XP leaves it on workstations), so Windows 11 "
                                 "24H2 is refused even with SMB 1 on. Its owner can turn signing "
                                 "on: \"Fix\" on the row"),
            std::string::npos);
  // Nothing to open while sharing is off.
  EXPECT_EQ(Instructions(0).find("\\\\"), std::string::npos);
  EXPECT_NE(Instructions(0).find("Sharing is off on WORKSTATION1: Plinvo's Stop Share"),
            std::string::npos);
  world.shareService.shareEnumResults.push_back(5);
  EXPECT_NE(Instructions(2).find("2. The shared folders of WORKSTATION1 could not be listed."),
            std::string::npos);
}

}  // namespace
}  // namespace check_testing
