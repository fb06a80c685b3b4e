#include "tools/myright/RightsCommand.h"

#include <cstring>

#include "tools/myright/Text.h"

namespace myright {

namespace {

bool IsOption(const char* arg) {
  return EqualIgnoringCase(arg, "-u") || EqualIgnoringCase(arg, "+r") ||
         EqualIgnoringCase(arg, "-r");
}

bool IsHelp(const char* arg) {
  return std::strcmp(arg, "-?") == 0 || std::strcmp(arg, "/?") == 0 ||
         std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0;
}

// "r" or any one character followed by "r": a misspelt right option.
bool LooksLikeRightOption(const char* arg) {
  if (LowerAscii(arg[0]) == 'r' && arg[1] == '\0') return true;
  return arg[0] != '\0' && LowerAscii(arg[1]) == 'r' && arg[2] == '\0';
}

// Starts an error; the caller appends the rest of the line.
TextBuffer Error(ParsedCommandLine& parsed, const char* text) {
  parsed.kind = ParsedCommandLine::Kind::kError;
  TextBuffer error(parsed.error, sizeof parsed.error);
  error.Append(text);
  return error;
}

}  // namespace

ParsedCommandLine ParseRightsCommandLine(int count, const char* const* args) {
  ParsedCommandLine parsed;
  for (int i = 0; i < count; ++i) {
    if (IsHelp(args[i])) {
      parsed.kind = ParsedCommandLine::Kind::kHelp;
      return parsed;
    }
  }
  if (count == 0) {
    Error(parsed, "no arguments given");
    return parsed;
  }

  bool haveAccount = false;
  bool haveRight = false;
  for (int i = 0; i < count; ++i) {
    const char* option = args[i];
    if (!IsOption(option)) {
      if (LooksLikeRightOption(option)) {
        Error(parsed, "'")
            .Append(option)
            .Append("' is not an option: use +r RIGHT to grant, -r RIGHT to revoke");
      } else {
        Error(parsed, "unknown argument '").Append(option).Append("'");
      }
      return parsed;
    }
    const bool isAccount = EqualIgnoringCase(option, "-u");
    const char* what = isAccount ? "account name" : "right";
    if (i + 1 >= count || IsOption(args[i + 1])) {
      Error(parsed, "missing ").Append(what).Append(" after ").Append(option);
      return parsed;
    }
    const char* value = args[++i];
    if (value[0] == '\0') {
      Error(parsed, "empty ").Append(what).Append(" after ").Append(option);
      return parsed;
    }
    if (isAccount) {
      if (haveAccount) {
        Error(parsed, "more than one account given");
        return parsed;
      }
      parsed.command.account = value;
      haveAccount = true;
    } else {
      if (haveRight) {
        Error(parsed, "more than one right given");
        return parsed;
      }
      parsed.command.change =
          EqualIgnoringCase(option, "+r") ? RightChange::kGrant : RightChange::kRevoke;
      parsed.command.right = value;
      haveRight = true;
    }
  }
  if (!haveAccount) {
    Error(parsed, "no account given (-u ACCOUNT)");
  } else if (!haveRight) {
    Error(parsed, "no right given (+r RIGHT to grant, -r RIGHT to revoke)");
  } else {
    parsed.kind = ParsedCommandLine::Kind::kRun;
  }
  return parsed;
}

}  // namespace myright
