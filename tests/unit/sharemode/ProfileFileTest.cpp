// The in-memory profile files must read and write like the system's, or settings-file tests
// would pass on values a real computer reads differently.
#include <gtest/gtest.h>

#include <ostream>

#include "platform/memory/MemoryWorld.h"

namespace {

using platform::memory::MemoryWorld;

constexpr const char* kIni = "C:\\Program Files\\Plinvo\\config.ini";

class ProfileFileTest : public ::testing::Test {
 protected:
  ProfileFileTest() { world.files.PutDirectory("C:\\Program Files\\Plinvo"); }
  int ReadMode(int defaultValue = 2) {
    return world.profile.GetInt("ShareMode", "Mode", defaultValue, kIni);
  }
  MemoryWorld world;
};

struct ReaderCase {
  const char* value;  // the text after "Mode="
  int expected;
};

void PrintTo(const ReaderCase& c, std::ostream* out) {
  *out << "Mode=" << c.value << " reads " << c.expected;
}

class ProfileIntegerTest : public ProfileFileTest,
                           public ::testing::WithParamInterface<ReaderCase> {};

TEST_P(ProfileIntegerTest, ReadsTheValueLikeTheSystemReader) {
  const ReaderCase& c = GetParam();
  world.files.PutFile(kIni, std::string("[ShareMode]\r\nMode=") + c.value + "\r\n");
  EXPECT_EQ(ReadMode(), c.expected) << "value [" << c.value << "]";
}

// The measured table of the system's reader, plus the neighbours of its rules.
INSTANTIATE_TEST_SUITE_P(
    MeasuredTable, ProfileIntegerTest,
    ::testing::Values(ReaderCase{"0", 0}, ReaderCase{"1", 1}, ReaderCase{"2", 2},
                      ReaderCase{"-5", -5}, ReaderCase{" -7", -7}, ReaderCase{"abc", 0},
                      ReaderCase{"7x", 7}, ReaderCase{"  3", 3}, ReaderCase{"\t4", 4},
                      ReaderCase{"+6", 6}, ReaderCase{"0x10", 16}, ReaderCase{"010", 10},
                      ReaderCase{"4294967295", -1}, ReaderCase{"4294967296", 0},
                      ReaderCase{"4294967297", 1}, ReaderCase{"99999999999", 1215752191},
                      ReaderCase{"\"8\"", 8}, ReaderCase{"'8'", 8}, ReaderCase{"\"8", 0},
                      ReaderCase{"9 ; c", 9}, ReaderCase{"5   ", 5}, ReaderCase{"0xff", 255},
                      ReaderCase{"0x", 0}, ReaderCase{"- 5", 0}, ReaderCase{"--5", 0},
                      ReaderCase{"-", 0}, ReaderCase{"12abc34", 12}));

// The reader copies the value into 30 characters, terminator included, and then drops the last
// character copied as the closing quote whenever the text after the opening quote is at most 30
// long: so a quoted value of exactly 29 characters loses its own last character.
INSTANTIATE_TEST_SUITE_P(
    ThirtyCharacterBuffer, ProfileIntegerTest,
    ::testing::Values(ReaderCase{"00000000000000000000000000005", 5},      // 29: fits
                      ReaderCase{"000000000000000000000000000005", 0},     // 30: cut to 29
                      ReaderCase{"\"0000000000000000000000000005\"", 5},   // 28 in quotes
                      ReaderCase{"\"00000000000000000000000000005\"", 0},  // 29: loses the 5
                      ReaderCase{"\"000000000000000000000000000005\"", 0},
                      ReaderCase{"\"1234567890123456789012345678\"", -1103563954},
                      ReaderCase{"\"12345678901234567890123456789\"", -1103563954},
                      ReaderCase{"12345678901234567890123456789", 1849262357}));

TEST_F(ProfileFileTest, GivesTheDefaultOnlyWhenFileSectionKeyOrValueIsMissing) {
  EXPECT_EQ(ReadMode(2), 2) << "no file";
  EXPECT_EQ(ReadMode(-9), -9) << "no file, another default";

  const std::pair<const char*, int> files[] = {
      {"", 2},                                      // empty file
      {"[Other]\r\nMode=0\r\n", 2},                 // section missing
      {"[ShareMode]\r\nModes=0\r\nMod=0\r\n", 2},   // key missing
      {"[ShareMode]\r\nMode=\r\n", 2},              // empty value
      {"[ShareMode]\r\nMode=   \r\n", 2},           // only blanks
      {"[ShareMode]\r\nMode=\"\"\r\n", 2},          // empty between quotes
      {"[ShareMode]\r\nMode\r\n", 2},               // key without "="
      {"[ShareMode]\r\n;Mode=0\r\n", 2},            // a comment line is no entry
      {"Mode=0\r\n[ShareMode]\r\n", 2},             // before any section
      {"[ShareMode]\r\n[Other]\r\nMode=0\r\n", 2},  // in the next section
      {"[ShareMode\r\nMode=0\r\n", 2},              // header without its bracket
  };
  for (const auto& [content, expected] : files) {
    world.files.PutFile(kIni, content);
    EXPECT_EQ(ReadMode(), expected) << content;
  }
}

TEST_F(ProfileFileTest, FindsSectionAndKeyWhateverTheirCaseAndSpacing) {
  const std::pair<const char*, int> files[] = {
      {"[sharemode]\r\nmode=0\r\n", 0},
      {"[SHAREMODE]\r\nMODE=1\r\n", 1},
      {"  [ShareMode]  \r\n  Mode  =  0  \r\n", 0},
      {"[ShareMode]\nMode=1\n", 1},  // LF-only lines
      {"[ShareMode]\r\nMode=0", 0},  // no line end at the end
      {"; settings\r\n\r\n[A]\r\nx=1\r\n\r\n[ShareMode]\r\nOther=5\r\nMode=1\r\n", 1},
      {"[ShareMode]\r\nMode=0\r\nMode=1\r\n", 0},  // the first of two keys
      {"[ShareMode]\r\nMode=0\r\n[ShareMode]\r\nMode=1\r\n", 0},
      {"[ShareMode]\r\nx=1\r\n[ShareMode]\r\nMode=1\r\n", 2},  // only the first section
      {"[ShareMode]junk\r\nMode=0\r\n", 0},
  };
  for (const auto& [content, expected] : files) {
    world.files.PutFile(kIni, content);
    EXPECT_EQ(ReadMode(), expected) << content;
  }
}

TEST_F(ProfileFileTest, AnUnreadableFileGivesTheDefault) {
  world.files.PutFile(kIni, "[ShareMode]\r\nMode=0\r\n");
  world.files.unreadable.insert("c:\\program files\\plinvo\\config.ini");
  EXPECT_EQ(ReadMode(), 2);
}

TEST_F(ProfileFileTest, WritingCreatesTheFileWithTwoLines) {
  ASSERT_TRUE(world.profile.WriteString("ShareMode", "Mode", "2", kIni));
  EXPECT_EQ(world.files.Content(kIni), "[ShareMode]\r\nMode=2\r\n");
  EXPECT_EQ(ReadMode(-1), 2);
}

TEST_F(ProfileFileTest, WritingInAMissingFolderFailsAndCreatesNothing) {
  EXPECT_FALSE(world.profile.WriteString("ShareMode", "Mode", "1", "C:\\Missing\\config.ini"));
  EXPECT_FALSE(world.files.FileExists("C:\\Missing\\config.ini"));
  EXPECT_TRUE(world.profile.WriteString("ShareMode", "Mode", "1", "C:\\config.ini"))
      << "a drive's root always exists";
}

TEST_F(ProfileFileTest, WritingAnUnwritableFileFailsAndKeepsIt) {
  world.files.PutFile(kIni, "[ShareMode]\r\nMode=0\r\n");
  world.files.unwritable.insert("c:\\program files\\plinvo\\config.ini");
  EXPECT_FALSE(world.profile.WriteString("ShareMode", "Mode", "1", kIni));
  EXPECT_EQ(world.files.Content(kIni), "[ShareMode]\r\nMode=0\r\n");
}

TEST_F(ProfileFileTest, WritingReplacesOnlyTheValueOfTheKey) {
  world.files.PutFile(kIni,
                      "; kept\r\n[A]\r\nMode=7\r\n\r\n[sharemode]\r\nOther=x\r\nmode = 0\r\n"
                      "Last=y\r\n\r\n[B]\r\nMode=8\r\n");
  ASSERT_TRUE(world.profile.WriteString("ShareMode", "Mode", "-1", kIni));
  EXPECT_EQ(world.files.Content(kIni),
            "; kept\r\n[A]\r\nMode=7\r\n\r\n[sharemode]\r\nOther=x\r\nmode=-1\r\n"
            "Last=y\r\n\r\n[B]\r\nMode=8\r\n");
  EXPECT_EQ(ReadMode(), -1);
}

TEST_F(ProfileFileTest, WritingAddsAMissingKeyAtTheEndOfItsSection) {
  world.files.PutFile(kIni, "[ShareMode]\r\nOther=x\r\n\r\n[B]\r\ny=1\r\n");
  ASSERT_TRUE(world.profile.WriteString("ShareMode", "Mode", "0", kIni));
  EXPECT_EQ(world.files.Content(kIni), "[ShareMode]\r\nOther=x\r\nMode=0\r\n\r\n[B]\r\ny=1\r\n");
}

TEST_F(ProfileFileTest, WritingAddsAMissingSectionAtTheEnd) {
  world.files.PutFile(kIni, "[B]\r\ny=1");  // last line without its line end
  ASSERT_TRUE(world.profile.WriteString("ShareMode", "Mode", "1", kIni));
  EXPECT_EQ(world.files.Content(kIni), "[B]\r\ny=1\r\n[ShareMode]\r\nMode=1\r\n");
  EXPECT_EQ(ReadMode(), 1);
}

TEST_F(ProfileFileTest, ABareFileNameLivesInTheWindowsFolder) {
  world.files.PutDirectory("C:\\WINDOWS");
  ASSERT_TRUE(world.profile.WriteString("ShareMode", "Mode", "0", "config.ini"));
  EXPECT_EQ(world.files.Content("C:\\WINDOWS\\config.ini"), "[ShareMode]\r\nMode=0\r\n");
  EXPECT_EQ(world.profile.GetInt("ShareMode", "Mode", 2, "config.ini"), 0);
}

}  // namespace
