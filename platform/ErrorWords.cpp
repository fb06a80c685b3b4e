#include "platform/ErrorWords.h"

namespace platform {
namespace {

struct CodeWords {
  std::uint32_t code;
  const char* words;  // what it means, then what to do
};

// The codes the system calls behind Plinvo's checks and lists answer with most often: system
// error codes, share-service codes and the COM results of the firewall interfaces.
// clang-format off
constexpr CodeWords kWords[] = {
    {2, "Windows did not find it; it may have been removed or renamed."},
    {3, "Windows did not find the folder on its way; it may have been removed, renamed or be on "
        "a drive that is not connected."},
    {5, "Windows refused access. Plinvo needs administrator rights: start it again as an "
        "administrator."},
    {8, "Windows ran short of memory. Close some programs and try again."},
    {13, "Windows found the setting stored in a form it does not accept; another program may "
         "have written it. Applying the share mode again writes it anew."},
    {14, "Windows ran short of memory. Close some programs and try again."},
    {50, "This version of Windows does not offer it."},
    {53, "Windows did not find the network path. Check that the network cable is plugged in."},
    {87, "Windows did not accept what it was asked. Press \"Check Again\"; if this stays, restart "
         "the computer."},
    {1053, "The service did not answer in time. Restart the computer and try again."},
    {1058, "The service is disabled. Set it to start automatically in the Services window of "
           "the Administrative Tools, then try again."},
    {1060, "The service is not installed on this computer."},
    {1062, "The service is not running."},
    {1068, "A service it needs could not start. Restart the computer and try again."},
    {1113, "The name holds characters that the system's code page cannot show exactly."},
    {1332, "Windows does not know that account name."},
    {1722, "The Windows service that answers this is not running. Restart the computer and try "
           "again."},
    {1753, "The Windows service that answers this is not running. Restart the computer and try "
           "again."},
    {2114, "The Server service is not running. Start it (\"Check Sharing...\" offers to), then "
           "try again."},
    {2221, "Windows has no account of that name on this computer; it may have been renamed or "
           "removed."},
    {2310, "The share does not exist (any more). Press \"Refresh\" on the \"Shared Folders\" "
           "page."},
    {0x80004001, "This version of Windows does not offer it. Look at the firewall's settings in "
                 "the Control Panel instead."},
    {0x80004002, "This version of Windows does not offer it. Look at the firewall's settings in "
                 "the Control Panel instead."},
    {0x80004005, "Windows gave no reason. Restart the computer and try again."},
    {0x8000FFFF, "Windows gave no reason. Restart the computer and try again."},
    {0x80040154, "The part of Windows that answers this is not installed (the firewall interfaces "
                 "came with Windows XP Service Pack 2). Look at the firewall's settings in the "
                 "Control Panel instead."},
};
// clang-format on

constexpr std::uint32_t kComResult = 0x80000000u;
constexpr std::uint32_t kWrappedSystemError = 0x80070000u;  // HRESULT_FROM_WIN32

const char* WordsFor(std::uint32_t code) {
  for (const CodeWords& entry : kWords) {
    if (entry.code == code) return entry.words;
  }
  return nullptr;
}

}  // namespace

std::string ErrorWords(std::uint32_t code) {
  const bool comResult = (code & kComResult) != 0;
  const char* words = WordsFor(code);
  if (words == nullptr && (code & 0xFFFF0000u) == kWrappedSystemError) {
    words = WordsFor(code & 0xFFFFu);
  }
  if (words == nullptr) {
    words =
        "Windows gave an answer Plinvo has no words for. If this stays, restart the computer "
        "and try again.";
  }
  std::string number;
  if (comResult) {
    number = "0x";
    for (int shift = 28; shift >= 0; shift -= 4)
      number += "0123456789ABCDEF"[(code >> shift) & 0xF];
  } else {
    number = std::to_string(code);
  }
  // The full stop moves behind the brackets.
  std::string text(words);
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text + " (error " + number + ").";
}

}  // namespace platform
