#include <gtest/gtest.h>

#include "tools/myright/Sid.h"

namespace myright {
namespace {

// S-1-5-21-1004336348-1177238915-682003330, a computer's account domain.
const Sid kDomain = {1,    4,    0,    0,    0,    0,    0,    5,    21,   0,    0,    0,
                     0xDC, 0xF4, 0xDC, 0x3B, 0x83, 0x3D, 0x2B, 0x46, 0x82, 0x8B, 0xA6, 0x28};

TEST(Sid, AppendingTheGuestRidNamesTheBuiltInGuestOfTheDomain) {
  Sid guest;
  ASSERT_TRUE(AppendRid(kDomain, kGuestRid, guest));
  EXPECT_EQ(FormatSid(guest), "S-1-5-21-1004336348-1177238915-682003330-501");
  EXPECT_EQ(guest.size(), kDomain.size() + 4);
  EXPECT_TRUE(IsWellFormedSid(guest));
}

TEST(Sid, WellKnownIdentifiersFormatAsUsual) {
  EXPECT_EQ(FormatSid({1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0}), "S-1-1-0");
  EXPECT_EQ(FormatSid({1, 2, 0, 0, 0, 0, 0, 5, 32, 0, 0, 0, 0x22, 0x02, 0, 0}), "S-1-5-32-546");
  EXPECT_EQ(FormatSid({1, 0, 0, 0, 0, 0, 0, 5}), "S-1-5");
}

TEST(Sid, MalformedOrFullIdentifiersGetNoRid) {
  Sid account = {9};
  const Sid cases[] = {
      {},
      {1, 4, 0, 0, 0, 0, 0, 5, 21, 0, 0, 0},  // shorter than its count says
      {2, 0, 0, 0, 0, 0, 0, 5},               // unknown revision
  };
  for (const Sid& bad : cases) {
    EXPECT_FALSE(IsWellFormedSid(bad));
    EXPECT_FALSE(AppendRid(bad, kGuestRid, account));
    EXPECT_EQ(FormatSid(bad), "(malformed SID)");
  }
  Sid full = {1, 15, 0, 0, 0, 0, 0, 5};
  full.resize(8 + 15 * 4, 0);
  EXPECT_TRUE(IsWellFormedSid(full));
  EXPECT_FALSE(AppendRid(full, kGuestRid, account));
  EXPECT_EQ(account, Sid{9});
}

}  // namespace
}  // namespace myright
