#include <gtest/gtest.h>

#include <algorithm>

#include "support/TestWorld.h"

namespace {

using testing_support::TestWorld;

// The identity label as the user sees it after start-up.
std::string LabelAfterStartup(TestWorld& test) {
  test.StartMainWindow();
  return test.MainForm().Get<ui::Label>("m_labelSvrName").Text();
}

TEST(IdentityLabel, ShowsTheNameAndTheAddressOfAComputerWithOneAddress) {
  TestWorld test;
  EXPECT_EQ(LabelAfterStartup(test), "This Computer Name: WORKSTATION1    IP:192.168.1.20");
}

TEST(IdentityLabel, ShowsOnlyTheFirstOfSeveralAddresses) {
  TestWorld test;
  test.world.resolver.PutHost("WORKSTATION1", {{10, 0, 0, 7}, {192, 168, 1, 20}, {172, 16, 0, 1}});
  EXPECT_EQ(LabelAfterStartup(test), "This Computer Name: WORKSTATION1    IP:10.0.0.7");
}

TEST(IdentityLabel, ShowsTheNameAsItIsWithoutChangingCaseOrBlanks) {
  TestWorld test;
  test.world.identity.computerName = "Lab-pc 2";
  test.world.resolver.PutHost("Lab-pc 2", {{10, 1, 2, 3}});
  EXPECT_EQ(LabelAfterStartup(test), "This Computer Name: Lab-pc 2    IP:10.1.2.3");
}

TEST(IdentityLabel, ShowsAPercentSignInTheNameLiterally) {
  TestWorld test;
  test.world.identity.computerName = "PC%s%d%%";
  test.world.resolver.PutHost("PC%s%d%%", {{10, 0, 0, 1}});
  EXPECT_EQ(LabelAfterStartup(test), "This Computer Name: PC%s%d%%    IP:10.0.0.1");
}

class FailedLookup : public ::testing::TestWithParam<int> {};

TEST_P(FailedLookup, LeavesTheAddressOutAndStartUpGoesOn) {
  TestWorld test;
  test.world.resolver.FailHost("WORKSTATION1", GetParam());
  // On major version 6 a non-administrator is warned at the very end of start-up.
  test.world.identity.version.majorVersion = 6;
  test.world.identity.userName = "alice";
  EXPECT_EQ(LabelAfterStartup(test), "This Computer Name: WORKSTATION1");
  const auto& boxes = test.world.messageBoxes.shown;
  EXPECT_EQ(std::count_if(boxes.begin(), boxes.end(),
                          [](const auto& box) {
                            return box.text.find("'Administrator'") != std::string::npos;
                          }),
            1);
  EXPECT_EQ(test.world.resolver.Faults(), 0);
}

INSTANTIATE_TEST_SUITE_P(AnyCode, FailedLookup, ::testing::Values(11001, 11002, 11003, 11004));

TEST(IdentityLabel, AnUnreadableNameLeavesTheNameEmptyAndLooksUpTheEmptyName) {
  TestWorld test;
  test.world.identity.computerNameFails = true;
  EXPECT_EQ(LabelAfterStartup(test), "This Computer Name: ");
  EXPECT_EQ(test.world.resolver.CallsStartingWith("getaddrinfo"),
            std::vector<std::string>{"getaddrinfo "});
}

TEST(IdentityLabel, AnUnreadableNameShowsWhatTheLookupOfTheEmptyNameGives) {
  TestWorld test;
  test.world.identity.computerNameFails = true;
  test.world.resolver.PutHost("", {{192, 168, 5, 5}});
  EXPECT_EQ(LabelAfterStartup(test), "This Computer Name:     IP:192.168.5.5");
}

TEST(IdentityLabel, AnAddressThatCannotBeWrittenAsTextLeavesTheLabelEndingInIp) {
  TestWorld test;
  test.world.resolver.addressToStringFails = true;
  EXPECT_EQ(LabelAfterStartup(test), "This Computer Name: WORKSTATION1    IP:");
}

TEST(IdentityLabel, LooksUpWithTheSocketLibraryStartedAndReleasesEverythingInOrder) {
  TestWorld test;
  LabelAfterStartup(test);
  const auto& resolver = test.world.resolver;
  EXPECT_EQ(resolver.CallsStartingWith("WSA"),
            (std::vector<std::string>{"WSAStartup 0x202", "WSAAddressToString", "WSACleanup"}));
  // The list goes back before the socket library stops.
  const auto& calls = resolver.calls;
  const auto released = std::find(calls.begin(), calls.end(), "freeaddrinfo");
  const auto stopped = std::find(calls.begin(), calls.end(), "WSACleanup");
  ASSERT_NE(released, calls.end());
  EXPECT_LT(released - calls.begin(), stopped - calls.begin());
  EXPECT_EQ(resolver.ListsMade(), 1);
  EXPECT_EQ(resolver.ListsReleased(), 1);
  EXPECT_EQ(resolver.LiveLists(), 0);
  EXPECT_EQ(resolver.Faults(), 0);
}

TEST(IdentityLabel, AsksForPassiveIpv4TcpStreamAddressesOfPortZeroIntoA100ByteBuffer) {
  TestWorld test;
  LabelAfterStartup(test);
  const auto& resolver = test.world.resolver;
  ASSERT_EQ(resolver.lookups.size(), 1u);
  const auto& lookup = resolver.lookups[0];
  EXPECT_EQ(lookup.node, "WORKSTATION1");
  EXPECT_EQ(lookup.service, "");
  EXPECT_EQ((std::vector<int>{lookup.hints.flags, lookup.hints.family, lookup.hints.socketType,
                              lookup.hints.protocol}),
            (std::vector<int>{1, 2, 1, 6}));
  EXPECT_EQ(resolver.addressTextCapacities, std::vector<std::uint32_t>{100});
}

TEST(IdentityLabel, AFailedLookupStillReleasesOnceAndStopsTheSocketLibrary) {
  TestWorld test;
  test.world.resolver.FailHost("WORKSTATION1", 11002);
  LabelAfterStartup(test);
  EXPECT_EQ(test.world.resolver.CallsStartingWith("freeaddrinfo").size(), 1u);
  EXPECT_EQ(test.world.resolver.Startups(), 1);
  EXPECT_EQ(test.world.resolver.Cleanups(), 1);
  EXPECT_EQ(test.world.resolver.Faults(), 0);
}

TEST(IdentityLabel, ASocketLibraryThatDoesNotStartDoesNotStopTheLookup) {
  TestWorld test;
  test.world.resolver.startupFails = true;
  EXPECT_EQ(LabelAfterStartup(test), "This Computer Name: WORKSTATION1    IP:192.168.1.20");
  EXPECT_EQ(test.world.resolver.Cleanups(), 1);
}

TEST(IdentityLabel, WithoutTheModernResolverTheFallbackGivesTheSameText) {
  TestWorld test;
  test.world.resolver.RemoveLibrary("C:\\WINDOWS\\system32\\ws2_32.dll");
  test.world.resolver.PutHost("WORKSTATION1", {{192, 168, 1, 20}, {10, 0, 0, 7}});
  EXPECT_EQ(LabelAfterStartup(test), "This Computer Name: WORKSTATION1    IP:192.168.1.20");
  EXPECT_EQ(test.world.resolver.CallsStartingWith("gethostbyname"),
            std::vector<std::string>{"gethostbyname WORKSTATION1"});
  EXPECT_EQ(test.application->resolverBinding().fallback().LiveBlocks(), 0);
}

TEST(IdentityLabel, WithTheFallbackAFailedLookupLeavesTheAddressOut) {
  TestWorld test;
  test.world.resolver.RemoveLibrary("C:\\WINDOWS\\system32\\ws2_32.dll");
  test.world.resolver.FailHost("WORKSTATION1", 11003);
  EXPECT_EQ(LabelAfterStartup(test), "This Computer Name: WORKSTATION1");
  EXPECT_EQ(test.application->resolverBinding().fallback().LiveBlocks(), 0);
}

}  // namespace
