// What the Server service counted since it started: the visitors it refused, and what changed
// since the dialog first read the counts.
#include "check/Rows.h"

namespace check {
namespace {

// What each kind of refusal usually means where visitors come in as the recorded mode lets them.
const char* MeaningIn(int mode) {
  switch (mode) {
    case 0:
      return "Stop Share keeps visitors out: a refusal shows that someone tried to come in.";
    case 1:
      return "In Zendry Share a refused logon usually means that the guest account is refused a "
             "network logon (see \"Guest account\"), a refusal for rights that the folder's "
             "rights leave out the guest.";
    case 2:
      return "In Normal Share a refused logon usually means a wrong or empty password (Windows "
             "refuses empty ones from the network) or an unknown name, a refusal for rights an "
             "account that the share's or folder's rights leave out.";
    default:
      break;
  }
  return "A refused logon usually means a wrong or empty password or an account kept from "
         "network logons, a refusal for rights an account that the share's or folder's rights "
         "leave out.";
}

// The refusals counted since the first reading, when the service has not started again since.
struct Change {
  std::uint32_t password = 0;
  std::uint32_t permission = 0;
};

std::uint32_t Growth(std::uint32_t now, std::uint32_t first) {
  return now > first ? now - first : 0;
}

// "2 more refused for a wrong password since you opened this check." and the like.
std::string ChangeText(const Change& change) {
  const char* const since = "%s more refused for %s since you opened this check. ";
  std::string text;
  if (change.password != 0) {
    text += FormatMessageText(since, {std::to_string(change.password), "a wrong password"});
  }
  if (change.permission != 0) {
    text += FormatMessageText(since, {std::to_string(change.permission), "missing rights"});
  }
  return text.empty() ? "No more refused since you opened this check. " : text;
}

}  // namespace

void CheckRefusedVisitors(const CheckInput& input, std::vector<Finding>& rows) {
  RowsAbout refused(rows, "Refused visitors",
                    SharesFolders(input.mode) ? "no refusals" : "visitors kept out");
  platform::ServerCounts counts;
  const std::uint32_t result = input.platform.shareService.ServerStatistics(counts);
  if (result != 0) {
    refused.Unreadable("Plinvo could not read the counts of the Server service: %s",
                       {ErrorText(result)});
    return;
  }
  const platform::ServerCounts* first = nullptr;
  if (input.firstCounts != nullptr) {
    if (*input.firstCounts)
      first = &**input.firstCounts;
    else
      *input.firstCounts = counts;
  }
  std::string changed;  // what changed since the first reading: empty on the first run
  std::uint32_t more = 0;
  if (first != nullptr && first->started != counts.started) {
    changed =
        "The Server service has started again since you opened this check, so its counts "
        "began anew. ";
  } else if (first != nullptr) {
    const Change change{Growth(counts.passwordErrors, first->passwordErrors),
                        Growth(counts.permissionErrors, first->permissionErrors)};
    changed = ChangeText(change);
    more = change.password + change.permission;
  }
  const std::uint32_t total = counts.passwordErrors + counts.permissionErrors;
  std::string found = total == 0 ? "none"
                                 : FormatMessageText("%s for password, %s for rights",
                                                     {std::to_string(counts.passwordErrors),
                                                      std::to_string(counts.permissionErrors)});
  if (more != 0) found += FormatMessageText(", %s new", {std::to_string(more)});
  // A service that does not say when it started gives 0 (Wine's leaves every count at 0).
  const std::string since =
      counts.started == 0 ? std::string()
                          : " " + AgoText(input.platform.clock.SecondsSince1970() - counts.started);
  refused.Add(total == 0 ? Status::Holds : Status::WorthKnowing, found,
              "%sSince the Server service started%s, it has refused %s for a wrong password "
              "and %s for missing rights, and opened %s. %s To test, try from the other "
              "computer, then press \"Check Again\".",
              {changed, since, Counted(counts.passwordErrors, "logon", "logons"),
               Counted(counts.permissionErrors, "request", "requests"),
               Counted(counts.sessionsOpened, "session", "sessions"), MeaningIn(input.mode)});
}

}  // namespace check
