#include "shares/StopShareQuestion.h"

#include "shares/ServiceText.h"

namespace shares {
namespace {

struct SystemShare {
  const char* name;  // letter case ignored; "?$" stands for any drive letter
  const char* use;   // what Windows uses it for; %s is the drive letter
};

// What the shares Windows makes for itself are for. The administrative ones come back when
// Windows next starts; the others only when their service makes them again.
constexpr SystemShare kSystemShares[] = {
    {"ADMIN$",
     "Windows uses \"ADMIN$\" for remote administration: it shares the Windows folder with the "
     "administrators' tools of other computers. Windows normally shares it again at its next "
     "start."},
    {"IPC$",
     "Windows uses \"IPC$\" for inter-process communication: other computers open their "
     "sessions through it and reach the named pipes of remote management (the lists of shares "
     "and sessions among them). It is not a folder. Windows normally shares it again at its "
     "next start."},
    {"?$",
     "Windows uses \"%s$\" as the administrative share of drive %s:, through which "
     "administrators reach the whole drive from other computers. Windows normally shares it "
     "again at its next start."},
    {"PRINT$",
     "Windows uses \"print$\" to hand printer drivers to the computers that print on this "
     "computer's shared printers: without it they cannot set up those printers."},
    {"FAX$", "Windows uses \"FAX$\" for the pages and cover pages of the shared fax."},
};

constexpr const char* kOtherSystemShare =
    "A name ending in \"$\" keeps a share out of the lists other computers see: Windows and "
    "some programs share folders that way for their own use.";

// Only ASCII letters: a look-alike of "ADMIN$" is no share of Windows.
char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? c - u'a' + u'A' : c; }
bool IsAsciiLetter(char16_t c) { return AsciiUpper(c) >= u'A' && AsciiUpper(c) <= u'Z'; }

bool SameLetters(const std::u16string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i) {
    if (AsciiUpper(a[i]) != static_cast<unsigned char>(b[i])) return false;
  }
  return i == a.size() && b[i] == '\0';
}

std::string SystemShareUse(const std::u16string& name) {
  const bool driveShare = name.size() == 2 && IsAsciiLetter(name[0]);
  for (const SystemShare& share : kSystemShares) {
    if (std::string(share.name) == "?$") {
      if (!driveShare) continue;
      std::string use = share.use;
      const std::string letter(1, static_cast<char>(AsciiUpper(name[0])));
      for (std::size_t at; (at = use.find("%s")) != std::string::npos;) use.replace(at, 2, letter);
      return use;
    }
    if (SameLetters(name, share.name)) return share.use;
  }
  return kOtherSystemShare;
}

}  // namespace

std::string StopShareQuestion(platform::Platform& platform, const platform::ShareRecord& share) {
  const std::string name = AnsiOf(platform.text, share.netName);
  std::string question = "Stop sharing \"" + name + "\"?";
  if (share.currentUses > 0) {
    question += share.currentUses == 1
                    ? "\n\n1 visitor is connected to it"
                    : "\n\n" + std::to_string(share.currentUses) + " visitors are connected to it";
    question += ": files they have open may lose unsaved changes.";
  }
  const std::u16string wide = share.netName.value_or(std::u16string());
  if (!wide.empty() && wide.back() == u'$') question += "\n\n" + SystemShareUse(wide);
  return question;
}

}  // namespace shares
