#include <gtest/gtest.h>

#include "platform/memory/MemoryShareSecurity.h"
#include "shares/SetShareEveryoneAccess.h"

namespace {

using platform::memory::MemoryShareSecurity;

platform::ExplicitAccess Entry(std::uint32_t mask, std::uint32_t form, const std::string& who) {
  platform::ExplicitAccess entry;
  entry.accessPermissions = mask;
  entry.accessMode = 2;
  entry.inheritance = 2;
  entry.trusteeForm = form;
  entry.trusteeType = 0;
  entry.trustee = who;
  return entry;
}

bool Same(const platform::ExplicitAccess& a, const platform::ExplicitAccess& b) {
  return a.accessPermissions == b.accessPermissions && a.accessMode == b.accessMode &&
         a.inheritance == b.inheritance && a.trusteeForm == b.trusteeForm &&
         a.trusteeType == b.trusteeType && a.trustee == b.trustee;
}

TEST(SetShareEveryoneAccess, ReplacesEveryonesEntryByItsIdentifierAndKeepsTheOthers) {
  MemoryShareSecurity security;
  security.dacls["pub"] = {Entry(0x001200A9, 0, "S-1-1-0"), Entry(0x1F01FF, 1, "Administrators")};
  EXPECT_EQ(shares::SetShareEveryoneAccess(security, "PUB", 0x001F01FF), 0u);
  ASSERT_EQ(security.reads, std::vector<std::string>{"PUB"});
  ASSERT_EQ(security.entriesMerged.size(), 1u);
  EXPECT_TRUE(Same(security.entriesMerged[0], Entry(0x001F01FF, 0, "S-1-1-0")));
  ASSERT_EQ(security.writes.size(), 1u);
  EXPECT_EQ(security.writes[0].share, "PUB");
  const auto& written = security.writes[0].entries;
  ASSERT_EQ(written.size(), 2u);
  EXPECT_TRUE(Same(written[0], Entry(0x1F01FF, 1, "Administrators")));
  EXPECT_TRUE(Same(written[1], Entry(0x001F01FF, 0, "S-1-1-0")));
  EXPECT_EQ(security.allocations, 2);  // the descriptor and the new list
  EXPECT_TRUE(security.liveAllocations.empty());
  EXPECT_EQ(security.badFrees, 0);
}

TEST(SetShareEveryoneAccess, ReturnsTheFirstFailureAndReleasesWhatWasObtained) {
  struct Case {
    std::uint32_t get, merge, set;
    std::uint32_t expected;
    int allocations;
    std::size_t writes;
  };
  const Case cases[] = {{5, 0, 0, 5, 0, 0},    // nothing obtained
                        {0, 87, 0, 87, 1, 0},  // the descriptor only
                        {0, 0, 1332, 1332, 2, 0},
                        {0, 0, 0, 0, 2, 1}};
  for (const Case& c : cases) {
    MemoryShareSecurity security;
    security.getResults = {c.get};
    security.setEntriesResults = {c.merge};
    security.setResults = {c.set};
    EXPECT_EQ(shares::SetShareEveryoneAccess(security, "pub", 0x001200A9), c.expected);
    EXPECT_EQ(security.allocations, c.allocations) << c.expected;
    EXPECT_TRUE(security.liveAllocations.empty()) << c.expected;
    EXPECT_EQ(security.badFrees, 0) << c.expected;
    EXPECT_EQ(security.writes.size(), c.writes) << c.expected;
    EXPECT_EQ(security.entriesMerged.size(), c.get == 0 ? 1u : 0u) << c.expected;
  }
}

TEST(SetShareEveryoneAccess, CopesWithAReadThatHandsOutNothing) {
  MemoryShareSecurity security;  // like Wine: success with a null descriptor and list
  security.readGivesNothing = true;
  EXPECT_EQ(shares::SetShareEveryoneAccess(security, "pub", 0x001200A9), 0u);
  ASSERT_EQ(security.writes.size(), 1u);
  ASSERT_EQ(security.writes[0].entries.size(), 1u);
  EXPECT_TRUE(Same(security.writes[0].entries[0], Entry(0x001200A9, 0, "S-1-1-0")));
  EXPECT_TRUE(security.liveAllocations.empty());
  EXPECT_EQ(security.badFrees, 0);
}

}  // namespace
