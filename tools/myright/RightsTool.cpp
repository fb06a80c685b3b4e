#include "tools/myright/RightsTool.h"

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

void WriteErrorSuffix(Output& to, SystemError error) {
  char room[32];
  TextBuffer text(room, sizeof room);
  text.Append(" (error ").AppendNumber(error).Append(")");
  to.Write(text.c_str());
}

void WriteAccountNotFound(Output& err, const char* account, SystemError error) {
  err.Write(kPrefix);
  err.Write("account '");
  err.Write(account);
  err.Write("' not found");
  WriteErrorSuffix(err, error);
}

}  // namespace

int RunRightsTool(int count, const char* const* args, SecurityPolicy& policy, Output& out,
                  Output& err) {
  const ParsedCommandLine parsed = ParseRightsCommandLine(count, args);
  if (parsed.kind == ParsedCommandLine::Kind::kHelp) {
    out.Write(kUsageText);
    return kExitDone;
  }
  if (parsed.kind == ParsedCommandLine::Kind::kError) {
    err.Write(kPrefix);
    err.Write(parsed.error);
    err.Write("; myright -? shows the usage\n");
    return kExitUsage;
  }
  const RightsCommand& command = parsed.command;

  SystemError error = policy.Open();
  if (error != 0) {
    err.Write(kPrefix);
    err.Write("cannot open the local security policy");
    WriteErrorSuffix(err, error);
    err.Write("\n");
    return kExitPolicyUnavailable;
  }

  Sid sid;
  char guestText[256];  // the words and the longest SID text
  const char* accountText = command.account;
  error = policy.LookupAccount(command.account, sid);
  if (error != 0) {
    if (!EqualIgnoringCase(command.account, "guest")) {
      WriteAccountNotFound(err, command.account, error);
      err.Write("\n");
      return kExitAccountNotFound;
    }
    Sid domain;
    const SystemError domainError = policy.QueryAccountDomainSid(domain);
    if (domainError != 0 || !AppendRid(domain, kGuestRid, sid)) {
      WriteAccountNotFound(err, command.account, error);
      err.Write(", and the built-in guest account could not be determined");
      if (domainError != 0) WriteErrorSuffix(err, domainError);
      err.Write("\n");
      return kExitAccountNotFound;
    }
    TextBuffer text(guestText, sizeof guestText);
    text.Append("the built-in guest account ").Append(SidToText(sid).text);
    accountText = text.c_str();
  }

  const bool grant = command.change == RightChange::kGrant;
  error = grant ? policy.AddRight(sid, command.right) : policy.RemoveRight(sid, command.right);
  if (error != 0) {
    err.Write(kPrefix);
    err.Write(grant ? "cannot grant " : "cannot revoke ");
    err.Write(command.right);
    err.Write(grant ? " to " : " from ");
    err.Write(accountText);
    WriteErrorSuffix(err, error);
    err.Write("\n");
    return kExitRightNotChanged;
  }
  out.Write(command.right);
  out.Write(grant ? " granted to " : " revoked from ");
  out.Write(accountText);
  out.Write("\n");
  return kExitDone;
}

}  // namespace myright
