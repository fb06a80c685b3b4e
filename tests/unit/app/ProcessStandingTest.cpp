// Which running Plinvo a start hands over to: only one with the same rights.
#include <gtest/gtest.h>

#include "app/ProcessStanding.h"

namespace {

using app::ProcessStanding;
using app::SameStanding;

ProcessStanding Vista(bool elevated, bool administrator) { return {true, elevated, administrator}; }
ProcessStanding Xp(bool administrator) { return {true, std::nullopt, administrator}; }

TEST(ProcessStandingTest, OnVistaAnElevatedStartHandsOverOnlyToAnElevatedCopy) {
  const ProcessStanding elevated = Vista(true, true);
  EXPECT_TRUE(SameStanding(elevated, Vista(true, true)));
  // The same administrator's copy started without elevation: limited token, group deny-only.
  EXPECT_FALSE(SameStanding(elevated, Vista(false, false)));
  // Wine's limited token keeps the group; the elevation alone tells them apart.
  EXPECT_FALSE(SameStanding(elevated, Vista(false, true)));
  // Two copies both without elevation may meet each other.
  EXPECT_TRUE(SameStanding(Vista(false, false), Vista(false, false)));
}

TEST(ProcessStandingTest, OnXpAnAdministratorsStartHandsOverOnlyToAnAdministratorsCopy) {
  EXPECT_TRUE(SameStanding(Xp(true), Xp(true)));
  EXPECT_FALSE(SameStanding(Xp(true), Xp(false)));
  EXPECT_FALSE(SameStanding(Xp(false), Xp(true)));
}

TEST(ProcessStandingTest, ATokenThatCouldNotBeReadIsNeverTheSame) {
  EXPECT_FALSE(SameStanding(Vista(true, true), ProcessStanding{}));
  EXPECT_FALSE(SameStanding(ProcessStanding{}, ProcessStanding{}));
  // An elevation that could be read on one side only.
  EXPECT_FALSE(SameStanding(Vista(true, true), Xp(true)));
}

}  // namespace
