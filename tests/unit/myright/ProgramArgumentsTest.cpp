#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/myright/ProgramArguments.h"

namespace myright {
namespace {

using Words = std::vector<std::string>;

const char kPath[] = "C:\\Program Files\\Plinvo\\myright.exe";

TEST(ProgramArguments, AQuotedOrBlankFreeProgramNameIsOneWord) {
  EXPECT_EQ(ArgumentsAfterProgramName({kPath, "-u", "Guest", "+r", "SeNetworkLogonRight"}, kPath),
            (Words{"-u", "Guest", "+r", "SeNetworkLogonRight"}));
  EXPECT_EQ(ArgumentsAfterProgramName({"myright", "-u", "Guest"}, "C:\\Tools\\myright.exe"),
            (Words{"-u", "Guest"}));
  EXPECT_EQ(ArgumentsAfterProgramName({"myright.exe"}, kPath), Words{});
  EXPECT_EQ(ArgumentsAfterProgramName({}, kPath), Words{});
}

TEST(ProgramArguments, ThePiecesOfAnUnquotedFolderWithBlanksAreDropped) {
  // What the C runtime makes of Plinvo's command line from "C:\Program Files\Plinvo\".
  EXPECT_EQ(ArgumentsAfterProgramName({"C:\\Program", "Files\\Plinvo\\myright.exe", "-u", "Guest",
                                       "-r", "SeDenyNetworkLogonRight"},
                                      kPath),
            (Words{"-u", "Guest", "-r", "SeDenyNetworkLogonRight"}));
  // Started as "...\myright" without ".exe", in other letter case.
  EXPECT_EQ(
      ArgumentsAfterProgramName({"c:\\PROGRAM", "files\\plinvo\\MyRight", "-u", "Guest"}, kPath),
      (Words{"-u", "Guest"}));
  // Several blanks in a row in the folder become one word break.
  EXPECT_EQ(ArgumentsAfterProgramName({"C:\\My", "Tools\\A", "B\\myright.exe", "+r", "X"},
                                      "C:\\My  Tools\\A B\\myright.exe"),
            (Words{"+r", "X"}));
}

TEST(ProgramArguments, WordsThatDoNotRebuildThePathStayArguments) {
  // Another folder of the same name start: the words are a bad command line, not a path.
  EXPECT_EQ(
      ArgumentsAfterProgramName({"C:\\Program", "Files\\Other\\myright.exe", "-u", "Guest"}, kPath),
      (Words{"Files\\Other\\myright.exe", "-u", "Guest"}));
  // No path known: nothing but the program name is dropped.
  EXPECT_EQ(ArgumentsAfterProgramName({"C:\\Program", "Files\\Plinvo\\myright.exe", "-u"}, ""),
            (Words{"Files\\Plinvo\\myright.exe", "-u"}));
}

}  // namespace
}  // namespace myright
