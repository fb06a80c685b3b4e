#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/myright/RightsCommand.h"

namespace myright {
namespace {

using Kind = ParsedCommandLine::Kind;

TEST(RightsCommandLine, AcceptsTheFormsPlinvoAndUsersWrite) {
  struct Case {
    std::vector<std::string> args;
    std::string account;
    RightChange change;
    std::string right;
  };
  const std::vector<Case> cases = {
      {{"-u", "Guest", "+r", "SeNetworkLogonRight"},
       "Guest",
       RightChange::kGrant,
       "SeNetworkLogonRight"},
      {{"-u", "Guest", "-r", "SeDenyNetworkLogonRight"},
       "Guest",
       RightChange::kRevoke,
       "SeDenyNetworkLogonRight"},
      {{"+r", "SeServiceLogonRight", "-u", "PC1\\Backup User"},
       "PC1\\Backup User",
       RightChange::kGrant,
       "SeServiceLogonRight"},
      {{"-U", "Guest", "-R", "SeNetworkLogonRight"},
       "Guest",
       RightChange::kRevoke,
       "SeNetworkLogonRight"},
      // A name that is also an option letter elsewhere is still a name in value position.
      {{"-u", "u", "+R", "r"}, "u", RightChange::kGrant, "r"},
  };
  for (const Case& c : cases) {
    const ParsedCommandLine parsed = ParseRightsCommandLine(c.args);
    ASSERT_EQ(parsed.kind, Kind::kRun) << parsed.error;
    EXPECT_EQ(parsed.command.account, c.account);
    EXPECT_EQ(parsed.command.change, c.change);
    EXPECT_EQ(parsed.command.right, c.right);
  }
}

TEST(RightsCommandLine, ExplainsWhatIsWrongWithABadCommandLine) {
  struct Case {
    std::vector<std::string> args;
    std::string error;
  };
  const std::vector<Case> cases = {
      {{}, "no arguments given"},
      {{"-u", "Guest"}, "no right given (+r RIGHT to grant, -r RIGHT to revoke)"},
      {{"+r", "SeNetworkLogonRight"}, "no account given (-u ACCOUNT)"},
      {{"-u"}, "missing account name after -u"},
      {{"-u", "Guest", "+r"}, "missing right after +r"},
      {{"-u", "-r", "SeNetworkLogonRight"}, "missing account name after -u"},
      {{"-u", "Guest", "-r", "-u", "Other"}, "missing right after -r"},
      {{"-u", "", "+r", "SeNetworkLogonRight"}, "empty account name after -u"},
      {{"-u", "Guest", "-r", ""}, "empty right after -r"},
      {{"-u", "Guest", "+r", "SeNetworkLogonRight", "extra"}, "unknown argument 'extra'"},
      {{"/u", "Guest", "+r", "SeNetworkLogonRight"}, "unknown argument '/u'"},
      {{"-u", "Guest", "*r", "SeNetworkLogonRight"},
       "'*r' is not an option: use +r RIGHT to grant, -r RIGHT to revoke"},
      {{"-u", "Guest", "r", "SeNetworkLogonRight"},
       "'r' is not an option: use +r RIGHT to grant, -r RIGHT to revoke"},
      {{"-u", "Guest", "/r", "SeNetworkLogonRight"},
       "'/r' is not an option: use +r RIGHT to grant, -r RIGHT to revoke"},
      {{"-u", "Guest", "-u", "Admin", "+r", "SeNetworkLogonRight"}, "more than one account given"},
      {{"-u", "Guest", "+r", "SeNetworkLogonRight", "-r", "SeDenyNetworkLogonRight"},
       "more than one right given"},
  };
  for (const Case& c : cases) {
    const ParsedCommandLine parsed = ParseRightsCommandLine(c.args);
    EXPECT_EQ(parsed.kind, Kind::kError) << c.error;
    EXPECT_EQ(parsed.error, c.error);
  }
}

TEST(RightsCommandLine, AHelpSwitchAnywhereAsksForTheUsageText) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"-?"}, {"/?"}, {"-h"}, {"--help"}, {"-u", "Guest", "/?"}, {"bogus", "-?"}}) {
    EXPECT_EQ(ParseRightsCommandLine(args).kind, Kind::kHelp) << args.back();
  }
}

TEST(RightsCommandLine, LongNamesStayWholeAndALongBadArgumentIsCutInTheErrorLine) {
  const std::string name(3000, 'n');
  const std::vector<std::string> args = {"-u", name, "+r", name + "R"};
  const ParsedCommandLine parsed = ParseRightsCommandLine(args);
  ASSERT_EQ(parsed.kind, Kind::kRun);
  EXPECT_EQ(parsed.command.account, name);
  EXPECT_EQ(parsed.command.right, name + "R");

  const ParsedCommandLine bad = ParseRightsCommandLine({"-u", "Guest", name});
  EXPECT_EQ(bad.kind, Kind::kError);
  const std::string start = "unknown argument '";
  EXPECT_EQ(bad.error, start + name.substr(0, sizeof bad.error - 1 - start.size()));
}

}  // namespace
}  // namespace myright
