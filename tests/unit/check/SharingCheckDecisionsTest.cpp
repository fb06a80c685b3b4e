// Decisions of the sharing check that the user takes at their word: what counts as changed, as
// an address visitors can reach, as NetBIOS on, as keeping the guest out, as a folder gone, and
// when a mode counts as applied at all.
#include "check/SharingCheckFixture.h"
#include "platform/WellKnownSids.h"

namespace check_testing {
namespace {

using platform::memory::RegistryValue;

using platform::sids::kGuests;

const char* const kLsaCurrent = "SYSTEM\\CurrentControlSet\\Control\\Lsa";
constexpr const char* kNoAddress =
    "This computer has no network address, so no other computer can reach it. Check the cable "
    "or wireless connection.";

class SharingCheckDecisions : public SharingCheckTest {
 protected:
  void DeleteValue(const char* key, const char* name) {
    platform::Handle handle = 0;
    ASSERT_EQ(world.registry.OpenLocalMachineKey(key, handle), 0);
    ASSERT_EQ(world.registry.DeleteValue(handle, name), 0);
    world.registry.CloseKey(handle);
  }
  int RowsCalled(const std::string& what) {
    int count = 0;
    for (const check::Finding& row : Run()) count += row.what == what ? 1 : 0;
    return count;
  }
  bool Sharing() const { return mode() != 0; }
};

TEST_P(SharingCheckDecisions, ARecordedValueThatIsMissingCountsAsChanged) {
  DeleteValue(kLsaCurrent, "restrictanonymous");
  const check::Finding drift = RowAbout("Settings of " + std::string(check::ModeName(mode())));
  EXPECT_EQ(drift.status, Shortfall());
  EXPECT_EQ(drift.found, mode() == 0 ? "1 of 11 values changed" : "1 of 12 values changed");
  EXPECT_NE(drift.explanation.find("Changed: SYSTEM\\CurrentControlSet\\Control\\Lsa\\"
                                   "restrictanonymous is missing, needs " +
                                   std::string(mode() == 0 ? "1" : "0") + ". Press Fix"),
            std::string::npos)
      << drift.explanation;
  EXPECT_EQ(drift.fix, check::FixKind::ApplyMode);
}

// Loopback and self-assigned addresses are this computer's own; no visitor reaches it there.
TEST_P(SharingCheckDecisions, OnlyAnAddressOfTheNetworkIsOneVisitorsCanReach) {
  struct AddressCase {
    std::vector<std::string> addresses;
    const char* found;
  };
  const AddressCase cases[] = {
      {{"127.0.0.1"}, "none"},
      {{"0.0.0.0"}, "none"},
      {{"127.0.0.1", "169.254.7.1"}, "169.254.x.x only"},
      {{"127.0.0.1", "192.168.1.20", "169.254.7.1"}, "192.168.1.20"},
  };
  for (const AddressCase& addresses : cases) {
    world.adapters.adapters[0].addresses = addresses.addresses;
    const check::Finding row = RowAbout("Network address");
    const bool reachable = std::string(addresses.found) == "192.168.1.20";
    EXPECT_EQ(row.found, addresses.found);
    EXPECT_EQ(row.status, reachable || !Sharing() ? Status::Holds : Status::Blocks) << row.found;
    // NetBIOS is judged only on adapters visitors can reach.
    EXPECT_EQ(RowsCalled("NetBIOS over TCP/IP"), reachable ? 1 : 0) << row.found;
  }
  EXPECT_EQ(ExplanationOf("Network address"),
            "Other computers on the network can reach this one at 192.168.1.20.");
  world.adapters.adapters[0].addresses = {"127.0.0.1"};
  EXPECT_EQ(ExplanationOf("Network address"), kNoAddress);
}

// Windows answers "no data" when the computer has no adapter: that is an answer, not a failure.
TEST_P(SharingCheckDecisions, NoAdaptersMeansNoAddressNotAFailureToRead) {
  world.adapters.adapters.clear();
  const check::Finding row = RowAbout("Network address");
  EXPECT_EQ(row.status, Sharing() ? Status::Blocks : Status::Holds);
  EXPECT_EQ(row.found, "none");
  EXPECT_EQ(row.explanation, kNoAddress);
  EXPECT_EQ(RowsCalled("NetBIOS over TCP/IP"), 0);
}

// An adapter without a NetbiosOptions value, or without NetBIOS settings of its own, uses the
// default: NetBIOS as the DHCP server says, on when it says nothing.
TEST_P(SharingCheckDecisions, AnAdapterWithoutANetBiosSettingHasItOn) {
  DeleteValue(kNetBt, "NetbiosOptions");
  world.registry.Put(kNetBt, "NameServerList", {RegistryValue::Type::String, 0, "", 0});
  check::Finding netBios = RowAbout("NetBIOS over TCP/IP");
  EXPECT_EQ(netBios.status, Status::Holds);
  EXPECT_EQ(netBios.found, "on");

  world.adapters.adapters[0].name = "{4D36E972-0002}";  // no key of its own
  netBios = RowAbout("NetBIOS over TCP/IP");
  EXPECT_EQ(netBios.status, Status::Holds);
  EXPECT_EQ(netBios.found, "on");

  // Beside it, an adapter with NetBIOS switched off is still found.
  world.adapters.adapters.push_back({"{4D36E972-0001}", "Wireless adapter", {"10.0.0.5"}});
  world.registry.Put(kNetBt, "NetbiosOptions", {RegistryValue::Type::Dword, 2, {}, 0});
  netBios = RowAbout("NetBIOS over TCP/IP");
  EXPECT_EQ(netBios.status, Sharing() ? Status::Blocks : Status::Holds);
  EXPECT_EQ(netBios.found, "off on Wireless adapter");
}

// The guest account is a member of Guests: what is denied to the group is denied to it.
TEST_P(SharingCheckDecisions, ADenyOnTheGuestsGroupKeepsTheGuestOut) {
  world.accounts.guestEnabled = true;
  world.accounts.rights[kGuest] = {"SeNetworkLogonRight"};
  world.accounts.rights[kGuests] = {"SeDenyNetworkLogonRight"};
  const check::Finding guest = RowAbout("Guest account");
  EXPECT_EQ(guest.found, "on, has network logon, denied network logon");
  const Status expected[] = {Status::WorthKnowing, Status::Blocks, Status::Holds};
  EXPECT_EQ(guest.status, expected[mode()]) << guest.explanation;
  if (mode() == 1) {
    EXPECT_NE(guest.explanation.find("it is on the list of accounts denied network logon"),
              std::string::npos)
        << guest.explanation;
  }

  // Everyone may read the folder, but Guests may not: Zendry Share's visitors are kept out;
  // Normal Share's, with accounts of their own, are not.
  world.accounts.fileAccess[u"C:\\Photos"].entries.push_back({kGuests, false, kRead, 0});
  const check::Finding folder = RowAbout("Shared folder \"Photos\"");
  const char* const found[] = {"C:\\Photos", "C:\\Photos; folder: closed to them",
                               "C:\\Photos; readable"};
  EXPECT_EQ(folder.found, found[mode()]);
  EXPECT_EQ(folder.status, mode() == 1 ? Status::Blocks : Status::Holds);
  world.accounts.fileAccess[u"C:\\Photos"].entries.pop_back();
  world.accounts.shareAccess[u"Photos"].entries.push_back({kGuests, false, kRead, 0});
  EXPECT_EQ(RowAbout("Shared folder \"Photos\"").found,
            mode() == 1 ? "C:\\Photos; share: closed to them" : found[mode()]);
}

TEST_P(SharingCheckDecisions, ASharedFolderThatIsNotFoundIsReportedMissing) {
  for (const std::uint32_t error : {2u, 3u}) {
    world.accounts.errors[u"C:\\Photos"] = error;
    const check::Finding share = RowAbout("Shared folder \"Photos\"");
    EXPECT_EQ(share.status, Shortfall()) << error;
    EXPECT_EQ(share.found, "C:\\Photos is gone") << error;
  }
}

TEST_P(SharingCheckDecisions, ANegativeRecordedModeIsNoMode) {
  for (const char* recorded : {"-2", "-7", "-2147483646"}) {
    world.files.PutFile(sharemode::SettingsFilePath(kFolder),
                        std::string("[ShareMode]\r\nMode=") + recorded + "\r\n");
    const std::vector<check::Finding> rows = Run();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().what, "Share mode") << recorded;
    EXPECT_EQ(rows.front().found, "none applied by Plinvo") << recorded;
    EXPECT_EQ(RowAbout("Guest account").needed, "no share mode applied by Plinvo");
  }
}

INSTANTIATE_TEST_SUITE_P(EveryMode, SharingCheckDecisions, ::testing::Values(0, 1, 2), ModeLabel);

}  // namespace
}  // namespace check_testing
