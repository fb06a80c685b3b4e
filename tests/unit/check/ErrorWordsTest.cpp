#include <gtest/gtest.h>

#include "platform/ErrorWords.h"

namespace {

TEST(ErrorWordsTest, CodesAreToldInWordsWithTheCodeInBracketsForSupport) {
  EXPECT_EQ(platform::ErrorWords(2),
            "Windows did not find it; it may have been removed or renamed (error 2).");
  // The firewall's results read in hexadecimal, as support looks them up.
  EXPECT_EQ(platform::ErrorWords(0x80004001),
            "This version of Windows does not offer it. Look at the firewall's settings in the "
            "Control Panel instead (error 0x80004001).");
  // A result that wraps a system error speaks that error's words.
  EXPECT_EQ(platform::ErrorWords(0x80070005),
            "Windows refused access. Plinvo needs administrator rights: start it again as an "
            "administrator (error 0x80070005).");
  EXPECT_EQ(platform::ErrorWords(4242),
            "Windows gave an answer Plinvo has no words for. If this stays, restart the computer "
            "and try again (error 4242).");
  EXPECT_EQ(platform::ErrorWords(0x8007FFFF).substr(0, 21), "Windows gave an answe");
}

}  // namespace
