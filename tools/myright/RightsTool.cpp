#include "tools/myright/RightsTool.h"

#include <cctype>

#include "tools/myright/RightsCommand.h"
#include "tools/myright/Sid.h"

namespace myright {

const char kUsageText[] =
    "Usage: myright -u ACCOUNT +r RIGHT   grants RIGHT to ACCOUNT\n"
    "       myright -u ACCOUNT -r RIGHT   revokes RIGHT from ACCOUNT\n"
    "       myright -?                    shows this text\n"
    "\n"
    "ACCOUNT is an account name such as Guest or COMPUTER\\Name. When the name Guest is\n"
    "not known (the guest account has another name in other languages, or was renamed),\n"
    "the computer's built-in guest account is used instead.\n"
    "RIGHT is a user right or privilege name such as SeNetworkLogonRight.\n"
    "\n"
    "Exit codes:\n"
    "  0  done\n"
    "  1  bad command line\n"
    "  2  the account was not found\n"
    "  3  the local security policy could not be opened\n"
    "  4  the right could not be granted or revoked\n";

namespace {

const char kPrefix[] = "myright: ";

bool IsGuestName(const std::string& name) {
  const std::string guest = "guest";
  if (name.size() != guest.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(name[i])) != guest[i]) return false;
  }
  return true;
}

std::string ErrorSuffix(SystemError error) { return " (error " + std::to_string(error) + ")"; }

}  // namespace

int RunRightsTool(const std::vector<std::string>& args, SecurityPolicy& policy, std::ostream& out,
                  std::ostream& err) {
  const ParsedCommandLine parsed = ParseRightsCommandLine(args);
  if (parsed.kind == ParsedCommandLine::Kind::kHelp) {
    out << kUsageText;
    return kExitDone;
  }
  if (parsed.kind == ParsedCommandLine::Kind::kError) {
    err << kPrefix << parsed.error << "; myright -? shows the usage\n";
    return kExitUsage;
  }
  const RightsCommand& command = parsed.command;

  SystemError error = policy.Open();
  if (error != 0) {
    err << kPrefix << "cannot open the local security policy" << ErrorSuffix(error) << "\n";
    return kExitPolicyUnavailable;
  }

  Sid sid;
  std::string accountText = command.account;
  error = policy.LookupAccount(command.account, sid);
  if (error != 0) {
    if (!IsGuestName(command.account)) {
      err << kPrefix << "account '" << command.account << "' not found" << ErrorSuffix(error)
          << "\n";
      return kExitAccountNotFound;
    }
    Sid domain;
    const SystemError domainError = policy.QueryAccountDomainSid(domain);
    if (domainError != 0 || !AppendRid(domain, kGuestRid, sid)) {
      err << kPrefix << "account '" << command.account << "' not found" << ErrorSuffix(error)
          << ", and the built-in guest account could not be determined";
      if (domainError != 0) err << ErrorSuffix(domainError);
      err << "\n";
      return kExitAccountNotFound;
    }
    accountText = "the built-in guest account " + FormatSid(sid);
  }

  const bool grant = command.change == RightChange::kGrant;
  error = grant ? policy.AddRight(sid, command.right) : policy.RemoveRight(sid, command.right);
  if (error != 0) {
    err << kPrefix << "cannot " << (grant ? "grant " : "revoke ") << command.right
        << (grant ? " to " : " from ") << accountText << ErrorSuffix(error) << "\n";
    return kExitRightNotChanged;
  }
  out << command.right << (grant ? " granted to " : " revoked from ") << accountText << "\n";
  return kExitDone;
}

}  // namespace myright
