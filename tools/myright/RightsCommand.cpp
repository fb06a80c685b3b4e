#include "tools/myright/RightsCommand.h"

#include <cctype>

namespace myright {

namespace {

std::string Lower(const std::string& text) {
  std::string lower = text;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool IsOption(const std::string& arg) {
  const std::string lower = Lower(arg);
  return lower == "-u" || lower == "+r" || lower == "-r";
}

bool IsHelp(const std::string& arg) {
  return arg == "-?" || arg == "/?" || arg == "-h" || arg == "--help";
}

ParsedCommandLine Error(const std::string& text) {
  ParsedCommandLine parsed;
  parsed.kind = ParsedCommandLine::Kind::kError;
  parsed.error = text;
  return parsed;
}

}  // namespace

ParsedCommandLine ParseRightsCommandLine(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (IsHelp(arg)) {
      ParsedCommandLine help;
      help.kind = ParsedCommandLine::Kind::kHelp;
      return help;
    }
  }
  if (args.empty()) return Error("no arguments given");

  RightsCommand command;
  bool haveAccount = false;
  bool haveRight = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string option = Lower(args[i]);
    if (!IsOption(option)) {
      if (option == "r" || (option.size() == 2 && option[1] == 'r')) {
        return Error("'" + args[i] +
                     "' is not an option: use +r RIGHT to grant, -r RIGHT to revoke");
      }
      return Error("unknown argument '" + args[i] + "'");
    }
    const bool isAccount = option == "-u";
    const std::string what = isAccount ? "account name" : "right";
    if (i + 1 >= args.size() || IsOption(args[i + 1])) {
      return Error("missing " + what + " after " + args[i]);
    }
    const std::string& value = args[++i];
    if (value.empty()) return Error("empty " + what + " after " + args[i - 1]);
    if (isAccount) {
      if (haveAccount) return Error("more than one account given");
      command.account = value;
      haveAccount = true;
    } else {
      if (haveRight) return Error("more than one right given");
      command.change = option == "+r" ? RightChange::kGrant : RightChange::kRevoke;
      command.right = value;
      haveRight = true;
    }
  }
  if (!haveAccount) return Error("no account given (-u ACCOUNT)");
  if (!haveRight) return Error("no right given (+r RIGHT to grant, -r RIGHT to revoke)");

  ParsedCommandLine parsed;
  parsed.kind = ParsedCommandLine::Kind::kRun;
  parsed.command = command;
  return parsed;
}

}  // namespace myright
