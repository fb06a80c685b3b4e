#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/myright/RightsTool.h"
#include "tools/myright/memory/MemorySecurityPolicy.h"

namespace myright {
namespace {

using Strings = std::vector<std::string>;

// S-1-5-21-100-200-300, the computer's account domain.
const Sid kDomain = {1, 4, 0, 0, 0, 0, 0, 5, 21, 0, 0, 0, 100, 0, 0, 0, 200, 0, 0, 0, 44, 1, 0, 0};
// S-1-5-21-100-200-300-501 and -1003.
const Sid kBuiltinGuest = [] {
  Sid sid;
  AppendRid(kDomain, 501, sid);
  return sid;
}();
const Sid kAlice = [] {
  Sid sid;
  AppendRid(kDomain, 1003, sid);
  return sid;
}();

class RightsToolTest : public ::testing::Test {
 protected:
  RightsToolTest() {
    policy.SetAccountDomainSid(kDomain);
    policy.AddAccount("Alice", kAlice);
  }

  int Run(const Strings& args) {
    out.str("");
    err.str("");
    return RunRightsTool(args, policy, out, err);
  }

  MemorySecurityPolicy policy;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(RightsToolTest, GrantsAndRevokesARightOfANamedAccount) {
  policy.GrantDirectly(kAlice, "SeBatchLogonRight");

  EXPECT_EQ(Run({"-u", "alice", "+r", "SeNetworkLogonRight"}), 0);
  EXPECT_EQ(out.str(), "SeNetworkLogonRight granted to alice\n");
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(policy.RightsOf(kAlice), (Strings{"SeBatchLogonRight", "SeNetworkLogonRight"}));

  EXPECT_EQ(Run({"-u", "Alice", "-r", "SeBatchLogonRight"}), 0);
  EXPECT_EQ(out.str(), "SeBatchLogonRight revoked from Alice\n");
  EXPECT_EQ(policy.RightsOf(kAlice), Strings{"SeNetworkLogonRight"});
  EXPECT_EQ(policy.calls, (Strings{"Open", "LookupAccount alice",
                                   "AddRight S-1-5-21-100-200-300-1003 SeNetworkLogonRight", "Open",
                                   "LookupAccount Alice",
                                   "RemoveRight S-1-5-21-100-200-300-1003 SeBatchLogonRight"}));
}

TEST_F(RightsToolTest, AGuestAccountFoundByNameIsUsedAsFound) {
  const Sid renamedBuiltin = kBuiltinGuest;
  const Sid otherGuest = kAlice;  // a local account that is really called "Guest"
  policy.AddAccount("Guest", otherGuest);

  EXPECT_EQ(Run({"-u", "Guest", "+r", "SeNetworkLogonRight"}), 0);
  EXPECT_EQ(policy.RightsOf(otherGuest), Strings{"SeNetworkLogonRight"});
  EXPECT_EQ(policy.RightsOf(renamedBuiltin), Strings{});
  EXPECT_EQ(policy.calls, (Strings{"Open", "LookupAccount Guest",
                                   "AddRight S-1-5-21-100-200-300-1003 SeNetworkLogonRight"}));
}

TEST_F(RightsToolTest, AnUnknownGuestNameFallsBackToTheBuiltInGuestAccount) {
  // Plinvo's own command lines for "Zendry Share", on a computer whose guest is called "Gast".
  policy.AddAccount("Gast", kBuiltinGuest);
  policy.GrantDirectly(kBuiltinGuest, "SeDenyNetworkLogonRight");

  EXPECT_EQ(Run({"-u", "Guest", "+r", "SeNetworkLogonRight"}), 0);
  EXPECT_EQ(out.str(),
            "SeNetworkLogonRight granted to the built-in guest account "
            "S-1-5-21-100-200-300-501\n");
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(Run({"-u", "Guest", "-r", "SeDenyNetworkLogonRight"}), 0);
  EXPECT_EQ(out.str(),
            "SeDenyNetworkLogonRight revoked from the built-in guest account "
            "S-1-5-21-100-200-300-501\n");
  EXPECT_EQ(policy.RightsOf(kBuiltinGuest), Strings{"SeNetworkLogonRight"});

  // And back for "Normal Share"; the name is matched without regard to case.
  EXPECT_EQ(Run({"-u", "GUEST", "-r", "SeNetworkLogonRight"}), 0);
  EXPECT_EQ(Run({"-u", "guest", "+r", "SeDenyNetworkLogonRight"}), 0);
  EXPECT_EQ(policy.RightsOf(kBuiltinGuest), Strings{"SeDenyNetworkLogonRight"});
  EXPECT_EQ(Strings(policy.calls.end() - 3, policy.calls.end()),
            (Strings{"LookupAccount guest", "QueryAccountDomainSid",
                     "AddRight S-1-5-21-100-200-300-501 SeDenyNetworkLogonRight"}));
}

TEST_F(RightsToolTest, OtherUnknownNamesFailWithoutFallback) {
  for (const std::string name : {"Bob", "Guests", "PC1\\Guest", "Gast"}) {
    policy.calls.clear();
    EXPECT_EQ(Run({"-u", name, "+r", "SeNetworkLogonRight"}), 2) << name;
    EXPECT_EQ(err.str(), "myright: account '" + name + "' not found (error 1332)\n");
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(policy.calls, (Strings{"Open", "LookupAccount " + name}));
  }
  EXPECT_EQ(policy.RightsOf(kBuiltinGuest), Strings{});
}

TEST_F(RightsToolTest, ALongAccountNameIsReportedWhole) {
  const std::string name = "PC1\\" + std::string(2000, 'x');
  EXPECT_EQ(Run({"-u", name, "+r", "SeNetworkLogonRight"}), 2);
  EXPECT_EQ(err.str(), "myright: account '" + name + "' not found (error 1332)\n");
}

TEST_F(RightsToolTest, AGuestThatCannotBeDeterminedIsALookupFailure) {
  policy.domainError = 5;
  EXPECT_EQ(Run({"-u", "Guest", "+r", "SeNetworkLogonRight"}), 2);
  EXPECT_EQ(err.str(),
            "myright: account 'Guest' not found (error 1332), and the built-in guest account "
            "could not be determined (error 5)\n");

  // A domain identifier that already has all fifteen sub-authorities takes no RID.
  Sid full = {1, 15, 0, 0, 0, 0, 0, 5};
  full.resize(8 + 15 * 4, 7);
  policy.domainError = 0;
  policy.SetAccountDomainSid(full);
  EXPECT_EQ(Run({"-u", "Guest", "-r", "SeNetworkLogonRight"}), 2);
  EXPECT_EQ(err.str(),
            "myright: account 'Guest' not found (error 1332), and the built-in guest account "
            "could not be determined\n");
  EXPECT_EQ(policy.calls.back(), "QueryAccountDomainSid");
}

TEST_F(RightsToolTest, PolicyFailuresHaveTheirOwnExitCodes) {
  policy.openError = 5;
  EXPECT_EQ(Run({"-u", "Alice", "+r", "SeNetworkLogonRight"}), 3);
  EXPECT_EQ(err.str(), "myright: cannot open the local security policy (error 5)\n");
  EXPECT_EQ(policy.calls, Strings{"Open"});

  policy.openError = 0;
  policy.addError = 1313;
  EXPECT_EQ(Run({"-u", "Alice", "+r", "SeNoSuchRight"}), 4);
  EXPECT_EQ(err.str(), "myright: cannot grant SeNoSuchRight to Alice (error 1313)\n");

  policy.removeError = 5;
  policy.AddAccount("Gast", kBuiltinGuest);
  EXPECT_EQ(Run({"-u", "Guest", "-r", "SeNetworkLogonRight"}), 4);
  EXPECT_EQ(err.str(),
            "myright: cannot revoke SeNetworkLogonRight from the built-in guest account "
            "S-1-5-21-100-200-300-501 (error 5)\n");
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(policy.RightsOf(kAlice), Strings{});
}

TEST_F(RightsToolTest, ABadCommandLineTouchesNothing) {
  EXPECT_EQ(Run({"-u", "Guest", "*r", "SeNetworkLogonRight"}), 1);
  EXPECT_EQ(err.str(),
            "myright: '*r' is not an option: use +r RIGHT to grant, -r RIGHT to revoke; "
            "myright -? shows the usage\n");
  EXPECT_EQ(Run({}), 1);
  EXPECT_EQ(err.str(), "myright: no arguments given; myright -? shows the usage\n");
  EXPECT_EQ(out.str(), "");
  EXPECT_TRUE(policy.calls.empty());
}

TEST_F(RightsToolTest, TheUsageTextListsTheFormsAndExitCodes) {
  EXPECT_EQ(Run({"-?"}), 0);
  EXPECT_EQ(err.str(), "");
  const std::string usage = out.str();
  for (const char* line :
       {"myright -u ACCOUNT +r RIGHT", "myright -u ACCOUNT -r RIGHT", "  0  done\n",
        "  1  bad command line\n", "  2  the account was not found\n",
        "  3  the local security policy could not be opened\n",
        "  4  the right could not be granted or revoked\n"}) {
    EXPECT_NE(usage.find(line), std::string::npos) << line;
  }
  EXPECT_TRUE(policy.calls.empty());
}

}  // namespace
}  // namespace myright
