// The failed network logons the security log holds, in plain words, or why there are none to
// show: Windows records them only while the auditing of failed logons is on.
#include "check/Rows.h"

namespace check {
namespace {

// How many of the log's newest records are looked through, and how many failures are shown.
constexpr std::uint32_t kNewestRecords = 5000;
constexpr std::size_t kShown = 5;

// Windows Vista's failed logon; Windows XP writes one event per reason, 529 to 539.
constexpr std::uint32_t kVistaFailedLogon = 4625;
constexpr std::uint32_t kFirstXpFailure = 529;
constexpr std::uint32_t kLastXpFailure = 539;
constexpr std::uint32_t kXpLogoff = 538;
constexpr std::uint32_t kXpUnexpectedError = 537;  // holds two status codes before the caller
const char16_t* const kNetworkLogon = u"3";

// Where an event keeps what is shown: the account, the logon type, the visitor's computer name
// and address, and (Vista) the status and sub-status codes.
struct Layout {
  std::size_t account, logonType, computer, address, status, subStatus;
};
constexpr std::size_t kAbsent = 99;  // beyond every event's strings
constexpr Layout kXp{0, 2, 5, 11, kAbsent, kAbsent};
constexpr Layout kXpUnexpected{0, 2, 5, 13, 6, 7};
constexpr Layout kVista{5, 10, 13, 19, 7, 9};

struct Reason {
  const char* why;
  const char* todo;
};

// clang-format off
constexpr Reason kReasons[] = {
    {"unknown user name or wrong password",
     "type the name and password of an account of this computer exactly"},
    {"this computer has no account of that name", "use the name of an account of this computer"},
    {"wrong password", "type the account's password again (capitals count)"},
    {"the account may not log on from the network",
     "see the \"Guest account\" row; Normal Share keeps the guest out on purpose"},
    {"the account is switched off", "switch it on in User Accounts, or use another account"},
    {"an account restriction, most often an empty password, which Windows refuses from the "
     "network", "give the account a password"},
    {"a limit on when or where the account may log on", "look at the account's limits"},
    {"the account or its password has expired",
     "log on at this computer with it and set a new password"},
    {"the account is locked after too many wrong passwords",
     "wait until the lock ends, or unlock it in Computer Management"},
};
// clang-format on

// Windows XP's event identifiers and Vista's status codes, each with its reason in kReasons.
constexpr std::pair<std::uint32_t, std::uint8_t> kCodes[] = {
    {529, 0},        {0xC000006D, 0}, {0xC0000064, 1}, {0xC000006A, 2}, {534, 3},
    {0xC000015B, 3}, {531, 4},        {0xC0000072, 4}, {0xC000006E, 5}, {530, 6},
    {533, 6},        {0xC000006F, 6}, {0xC0000070, 6}, {532, 7},        {535, 7},
    {0xC0000193, 7}, {0xC0000071, 7}, {0xC0000224, 7}, {539, 8},        {0xC0000234, 8},
};

// The insertion string at `index`; empty when the event has none there or it is "-".
const std::u16string& StringAt(const platform::AuditFailure& event, std::size_t index) {
  static const std::u16string none;
  if (index >= event.strings.size() || event.strings[index] == u"-") return none;
  return event.strings[index];
}

// "0xc000006a" as written in the log; 0 for anything else.
std::uint32_t CodeOf(const std::u16string& text) {
  std::uint32_t code = 0;
  if (text.size() < 3 || text[0] != u'0' || (text[1] != u'x' && text[1] != u'X')) return 0;
  for (std::size_t index = 2; index < text.size() && index < 10; ++index) {
    const char16_t c = text[index];
    const int digit = c >= u'0' && c <= u'9'   ? c - u'0'
                      : c >= u'a' && c <= u'f' ? c - u'a' + 10
                      : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                               : -1;
    if (digit < 0) return 0;
    code = code * 16 + static_cast<std::uint32_t>(digit);
  }
  return code;
}

std::string HexText(std::uint32_t code) {
  std::string text = "0x";
  for (int shift = 28; shift >= 0; shift -= 4) text += "0123456789ABCDEF"[(code >> shift) & 0xF];
  return text;
}

// One failed network logon in words; empty for an event that is not one.
std::string FailureText(const CheckInput& input, const platform::AuditFailure& event) {
  const bool vista = event.eventId == kVistaFailedLogon;
  if (!vista && (event.eventId < kFirstXpFailure || event.eventId > kLastXpFailure ||
                 event.eventId == kXpLogoff)) {
    return {};
  }
  const Layout& at = vista ? kVista : event.eventId == kXpUnexpectedError ? kXpUnexpected : kXp;
  if (StringAt(event, at.logonType) != kNetworkLogon) return {};
  std::uint32_t code = event.eventId;
  if (vista || event.eventId == kXpUnexpectedError) {
    const std::uint32_t subStatus = CodeOf(StringAt(event, at.subStatus));
    code = subStatus != 0 ? subStatus : CodeOf(StringAt(event, at.status));
  }
  std::string why = code == 0 ? "a reason the log does not name"
                              : FormatMessageText("a reason Windows gives as %s", {HexText(code)});
  const char* todo = "look at the event in the Event Viewer's Security log";
  for (const auto& [known, reason] : kCodes) {
    if (known != code) continue;
    why = kReasons[reason].why;
    todo = kReasons[reason].todo;
  }
  platform::TextConversion& text = input.platform.text;
  std::string from = text.WideToAnsi(StringAt(event, at.computer));
  const std::string address = text.WideToAnsi(StringAt(event, at.address));
  if (from.empty())
    from = address.empty() ? "an unnamed computer" : address;
  else if (!address.empty())
    from = FormatMessageText("%s (%s)", {from, address});
  return FormatMessageText("\r\n- %s, from %s, account \"%s\": %s. What to do: %s.",
                           {AgoText(input.platform.clock.SecondsSince1970() - event.written), from,
                            text.WideToAnsi(StringAt(event, at.account)), why, todo});
}

}  // namespace

void CheckFailedLogons(const CheckInput& input, std::vector<Finding>& rows) {
  RowsAbout logons(rows, "Failed network logons", "no failed logons");
  platform::SecurityLog& log = input.platform.securityLog;
  bool audited = false;
  const std::uint32_t policyResult = log.LogonFailuresAudited(audited);
  std::vector<platform::AuditFailure> events;
  const std::uint32_t logResult = log.NewestAuditFailures(kNewestRecords, events);
  std::string shown;
  std::size_t count = 0;
  for (const platform::AuditFailure& event : events) {
    const std::string line = FailureText(input, event);
    if (line.empty() || count == kShown) continue;
    shown += line;
    ++count;
  }
  const std::string listed = FormatMessageText(
      "The security log's newest failed network logons, newest first:%s", {shown});
  if (policyResult == 0 && !audited) {
    logons.Add(Status::WorthKnowing, "not recorded (auditing off)",
               "Windows writes refused visitors into its security log only while the auditing "
               "of failed logons is on; here it is off. Turned on (in Local Security Policy, "
               "not in Home editions: Local Policies, Audit Policy, \"Audit logon events\", "
               "Failure), the log names each one's computer, account and reason, and this row "
               "shows them. Plinvo does not turn it on.%s",
               {count == 0 ? "" : FormatMessageText("\r\nRecorded earlier: %s", {listed})});
    return;
  }
  if (logResult != 0) {
    logons.Unreadable("Plinvo could not read the security log: %s", {ErrorText(logResult)});
    return;
  }
  if (count > 0) {
    logons.Add(Status::WorthKnowing, FormatMessageText("%s recent", {std::to_string(count)}), "%s",
               {listed});
    return;
  }
  if (policyResult != 0) {
    logons.Unreadable("Plinvo could not read whether Windows records failed logons: %s",
                      {ErrorText(policyResult)});
    return;
  }
  logons.Add(Status::Holds, "none recorded",
             "The security log's newest records hold no failed network logon: no visitor was "
             "refused for the account's name, password or rights lately.");
}

}  // namespace check
