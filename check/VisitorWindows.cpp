#include "check/VisitorWindows.h"

#include "app/MessageText.h"
#include "platform/ErrorWords.h"
#include "sharemode/ServerSigning.h"

namespace check {
namespace {

using app::FormatMessageText;

// Each "%s" is the computer's name.
constexpr const char* kSmb1Only =
    "Windows XP, which runs on %s, speaks only the first version of the file-sharing protocol "
    "(SMB 1). Windows 10 from version 1709 and Windows 11 leave their SMB 1 client out or take "
    "it away, so they cannot open the shared folders of %s until it is turned on there: in the "
    "Control Panel choose \"Turn Windows features on or off\", open \"SMB 1.0/CIFS File Sharing "
    "Support\", tick \"SMB 1.0/CIFS Client\" and restart. That costs safety: Microsoft calls "
    "SMB 1 out of date and unsafe, so turn it on only on the computers that must reach %s.";
constexpr const char* kSigningOff =
    "Windows 11 from version 24H2 also requires signing on every file-sharing connection, and "
    "the Server service of %s does not offer it (its setting enablesecuritysignature is off, as "
    "Windows XP leaves it on workstations), so Windows 11 24H2 is refused even with SMB 1 on.";
constexpr const char* kSigningOn =
    "The Server service of %s offers signing, which Windows 11 from version 24H2 requires.";
constexpr const char* kSigningUnread =
    "Whether the Server service of %s offers the signing that Windows 11 from version 24H2 "
    "requires could not be read: %s";
constexpr const char* kSmb2 =
    "%s, which runs on %s, speaks the second version of the file-sharing protocol (SMB 2): "
    "Windows 10 and 11 need nothing turned on to reach it, and its server offers the signing "
    "that Windows 11 from version 24H2 requires.";
constexpr const char* kVersionUnknown =
    "Windows did not tell which version runs on %s, so what newer Windows needs of it cannot "
    "be said.";

constexpr const char* kGuestLogons =
    "Zendry Share lets visitors into %s as the guest account, without a password. Windows 10 "
    "and 11 Enterprise and Education, Windows Server 2016 and later and Windows 11 Pro from "
    "version 24H2 refuse such guest logons over SMB 2 and later by default (\"insecure guest "
    "logons\"); Windows 10 Home and Pro allow them, and Windows 11 Home may differ: check. A "
    "guest connection cannot be signed either, so Windows 11 from version 24H2 refuses it for "
    "that too. What works instead is Normal Share on %s, with an account of %s and its "
    "password for each visitor. On the visitor's computer an administrator could allow "
    "insecure guest logons (the policy \"Enable insecure guest logons\") and turn its signing "
    "requirement off, but that costs safety: that computer would then also trust a computer "
    "that only pretends to be %s, and Microsoft advises against it.";
constexpr const char* kAccountLogons =
    "Normal Share lets visitors into %s with an account of %s and its password: when Windows "
    "asks, the visitor types %s\\ and the account's name, and the password. An account with an "
    "empty password cannot be used from another computer. Unlike a guest's, such a logon can "
    "be signed where the server offers it, as Windows 11 from version 24H2 requires.";

constexpr std::uint32_t kComputerNameCapacity = 16;  // MAX_COMPUTERNAME_LENGTH + 1

}  // namespace

std::string ComputerNameOf(platform::Platform& platform) {
  std::string name;
  if (!platform.identity.GetComputerName(name, kComputerNameCapacity) || name.empty()) {
    return "this computer";
  }
  return name;
}

ServerFacts ReadServerFacts(platform::Platform& platform) {
  ServerFacts facts;
  platform::VersionRecord version;
  version.size = platform::kVersionRecordSize;
  if (!platform.identity.GetVersionEx(version)) return facts;
  facts.versionKnown = true;
  facts.smb1Only = version.majorVersion == 5;
  facts.windowsName = facts.smb1Only                                           ? "Windows XP"
                      : version.majorVersion == 6 && version.minorVersion == 0 ? "Windows Vista"
                                                                               : "Windows";
  if (!facts.smb1Only) {
    // A server of SMB 2 always offers signing; the setting is read by SMB 1 alone.
    facts.signingKnown = facts.signingOffered = true;
    return facts;
  }
  const std::optional<bool> offered =
      sharemode::ServerOffersSigning(platform.registry, facts.signingError);
  facts.signingKnown = offered.has_value();
  facts.signingOffered = offered.value_or(false);
  return facts;
}

std::string ProtocolWords(const ServerFacts& facts, const std::string& computer) {
  if (!facts.versionKnown) return FormatMessageText(kVersionUnknown, {computer});
  if (!facts.smb1Only) return FormatMessageText(kSmb2, {facts.windowsName, computer});
  std::string words = FormatMessageText(kSmb1Only, {computer, computer, computer}) + " ";
  if (!facts.signingKnown) {
    return words +
           FormatMessageText(
               kSigningUnread,
               {computer, platform::ErrorWords(static_cast<std::uint32_t>(facts.signingError))});
  }
  return words + FormatMessageText(facts.signingOffered ? kSigningOn : kSigningOff, {computer});
}

std::string LogonWords(int mode, const std::string& computer) {
  if (mode == 1) return FormatMessageText(kGuestLogons, {computer, computer, computer, computer});
  if (mode == 2) return FormatMessageText(kAccountLogons, {computer, computer, computer});
  return std::string();
}

}  // namespace check
