#include <gtest/gtest.h>

#include <ostream>

#include "app/FallbackResolver.h"
#include "platform/memory/MemoryNameResolution.h"

namespace {

using platform::AddressEntry;
using platform::AddressHints;
using platform::Ipv4Address;

const AddressHints kHints{platform::kAiPassive, platform::kAfInet, platform::kSockStream,
                          platform::kIpProtoTcp};

struct FallbackTest : ::testing::Test {
  platform::memory::MemoryNameResolution sockets;
  app::FallbackResolver resolver{sockets};
  AddressEntry* list = nullptr;

  ~FallbackTest() override { resolver.FreeAddrInfo(list); }

  std::vector<Ipv4Address> Addresses() const {
    std::vector<Ipv4Address> found;
    for (const AddressEntry* entry = list; entry != nullptr; entry = entry->next) {
      found.push_back(entry->address->address);
    }
    return found;
  }
};

TEST_F(FallbackTest, TakesAFullDottedAddressAsItIsWithoutALookup) {
  ASSERT_EQ(resolver.GetAddrInfo("192.168.1.20", "", kHints, list), 0);
  EXPECT_TRUE(sockets.CallsStartingWith("gethostbyname").empty());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->family, platform::kAfInet);
  EXPECT_EQ(list->socketType, platform::kSockStream);
  EXPECT_EQ(list->protocol, platform::kIpProtoTcp);
  EXPECT_EQ(list->addressLength, 16u);
  EXPECT_EQ(list->canonicalName, nullptr);
  ASSERT_NE(list->address, nullptr);
  EXPECT_EQ(list->address->family, platform::kAfInet);
  EXPECT_EQ(list->address->port, 0);
  EXPECT_EQ(list->address->address, (Ipv4Address{192, 168, 1, 20}));
  EXPECT_EQ(list->next, nullptr);
}

class NotALiteral : public FallbackTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NotALiteral, IsLookedUpByName) {
  sockets.PutHost(GetParam(), {{10, 9, 8, 7}});
  ASSERT_EQ(resolver.GetAddrInfo(GetParam(), "", kHints, list), 0);
  EXPECT_EQ(sockets.CallsStartingWith("gethostbyname"),
            std::vector<std::string>{std::string("gethostbyname ") + GetParam()});
  EXPECT_EQ(Addresses(), (std::vector<Ipv4Address>{{10, 9, 8, 7}}));
}

// inet_addr accepts "1.2.3" (as 1.2.0.3) and "10.1", but only four parts make a literal; the
// last two have four parts that inet_addr refuses (255.255.255.255 is its failure value).
INSTANTIATE_TEST_SUITE_P(ShortOrRefused, NotALiteral,
                         ::testing::Values("1.2.3", "10.1", "10.0.0.999", "255.255.255.255",
                                           "fileserver.lan"));

TEST_F(FallbackTest, TheSimulatedInetAddrAcceptsTheShortForms) {
  // What makes the cases above meaningful: the three-dot rule, not inet_addr, sends them away.
  EXPECT_EQ(sockets.InetAddr("1.2.3"), (Ipv4Address{1, 2, 0, 3}));
  EXPECT_EQ(sockets.InetAddr("10.1"), (Ipv4Address{10, 0, 0, 1}));
  EXPECT_EQ(sockets.InetAddr("0x7f.0.0.01"), (Ipv4Address{127, 0, 0, 1}));
  EXPECT_EQ(sockets.InetAddr("10.0.0.999"), std::nullopt);
  EXPECT_EQ(sockets.InetAddr("255.255.255.255"), std::nullopt);
}

TEST_F(FallbackTest, GivesEveryAddressOfTheHostInOrder) {
  sockets.PutHost("WORKSTATION2", {{192, 168, 1, 21}, {10, 0, 0, 4}, {172, 16, 3, 9}});
  ASSERT_EQ(resolver.GetAddrInfo("WORKSTATION2", "", kHints, list), 0);
  EXPECT_EQ(Addresses(),
            (std::vector<Ipv4Address>{{192, 168, 1, 21}, {10, 0, 0, 4}, {172, 16, 3, 9}}));
  for (const AddressEntry* entry = list; entry != nullptr; entry = entry->next) {
    EXPECT_EQ(entry->family, platform::kAfInet);
    EXPECT_EQ(entry->socketType, platform::kSockStream);
    EXPECT_EQ(entry->protocol, platform::kIpProtoTcp);
    EXPECT_EQ(entry->addressLength, 16u);
  }
}

TEST_F(FallbackTest, PutsTheServicePortIntoEveryAddress) {
  sockets.PutHost("WORKSTATION2", {{192, 168, 1, 21}, {10, 0, 0, 4}});
  ASSERT_EQ(resolver.GetAddrInfo("WORKSTATION2", "139", kHints, list), 0);
  EXPECT_EQ(list->address->port, 139);
  EXPECT_EQ(list->next->address->port, 139);
}

TEST_F(FallbackTest, RefusesAServiceThatIsNoPortNumber) {
  EXPECT_EQ(resolver.GetAddrInfo("192.168.1.20", "http", kHints, list), platform::kWsaTypeNotFound);
  EXPECT_EQ(resolver.GetAddrInfo("192.168.1.20", "70000", kHints, list),
            platform::kWsaTypeNotFound);
  EXPECT_EQ(list, nullptr);
}

TEST_F(FallbackTest, RefusesAnyFamilyButIpv4) {
  AddressHints ipv6 = kHints;
  ipv6.family = 23;
  EXPECT_NE(resolver.GetAddrInfo("192.168.1.20", "", ipv6, list), 0);
  EXPECT_EQ(list, nullptr);
}

struct ErrorCase {
  int lastError;
  int reported;
};

void PrintTo(const ErrorCase& c, std::ostream* out) {
  *out << "last error " << c.lastError << " reported as " << c.reported;
}

class LookupFailure : public FallbackTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(LookupFailure, PassesOnTemporaryAndPermanentFailuresAndCallsTheRestNotFound) {
  sockets.FailHost("WORKSTATION2", GetParam().lastError);
  EXPECT_EQ(resolver.GetAddrInfo("WORKSTATION2", "", kHints, list), GetParam().reported);
  EXPECT_EQ(list, nullptr);
  EXPECT_EQ(resolver.LiveBlocks(), 0);
}

INSTANTIATE_TEST_SUITE_P(ByLastError, LookupFailure,
                         ::testing::Values(ErrorCase{11001, 11001}, ErrorCase{11002, 11002},
                                           ErrorCase{11003, 11003}, ErrorCase{11004, 11001},
                                           ErrorCase{10093, 11001}, ErrorCase{10050, 11001}));

TEST_F(FallbackTest, AnUnknownNameIsNotFound) {
  EXPECT_EQ(resolver.GetAddrInfo("nosuchhost", "", kHints, list), 11001);
  EXPECT_EQ(list, nullptr);
}

TEST_F(FallbackTest, AHostEntryWithoutAddressesIsAFailure) {
  sockets.PutHost("WORKSTATION2", {});
  EXPECT_NE(resolver.GetAddrInfo("WORKSTATION2", "", kHints, list), 0);
  EXPECT_EQ(list, nullptr);
  EXPECT_EQ(resolver.LiveBlocks(), 0);
}

TEST_F(FallbackTest, ItsReleaseFreesEveryEntryAddressAndName) {
  sockets.PutHost("WORKSTATION2", {{192, 168, 1, 21}, {10, 0, 0, 4}, {172, 16, 3, 9}});
  AddressHints withName = kHints;
  withName.flags |= platform::kAiCanonName;
  ASSERT_EQ(resolver.GetAddrInfo("WORKSTATION2", "", withName, list), 0);
  ASSERT_NE(list->canonicalName, nullptr);
  EXPECT_STREQ(list->canonicalName, "WORKSTATION2");
  EXPECT_EQ(resolver.LiveBlocks(), 7);  // three entries, three addresses, one name
  resolver.FreeAddrInfo(list);
  list = nullptr;
  EXPECT_EQ(resolver.LiveBlocks(), 0);
}

TEST_F(FallbackTest, ItsReleaseAcceptsANullList) {
  resolver.FreeAddrInfo(nullptr);
  EXPECT_EQ(resolver.LiveBlocks(), 0);
}

}  // namespace
