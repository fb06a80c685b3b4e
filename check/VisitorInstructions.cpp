#include "check/VisitorInstructions.h"

#include "check/Rows.h"
#include "check/VisitorWindows.h"

namespace check {
namespace {

// Lines end as Notepad and mail programs expect them.
constexpr const char* kStopped =
    "Sharing is off on %s: Plinvo's Stop Share keeps visitors out, so no other computer can "
    "open its folders now. Its owner can choose Zendry Share or Normal Share in Plinvo first.\r\n";
constexpr const char* kNoModeApplied =
    "Sharing is off on %s as far as Plinvo knows: no share mode has been applied there by "
    "Plinvo. Its owner can choose Zendry Share or Normal Share in Plinvo first.\r\n";
constexpr const char* kOpen =
    "1. On a computer of the same network, press the Windows key and R together, type the "
    "address of %s and press Enter:\r\n   \\\\%s\r\n";
constexpr const char* kByAddress = "   or, when the name is not found, its network address:\r\n";
constexpr const char* kNoShares = "2. %s shares no folders yet.\r\n";
constexpr const char* kSharesUnread = "2. The shared folders of %s could not be listed.\r\n";
constexpr const char* kShares = "2. Each shared folder has an address of its own:\r\n";
constexpr const char* kOwnerSigns =
    " Its owner can turn signing on: \"Fix\" on the row \"Visitors with newer Windows\" of "
    "Plinvo's sharing check, then a restart.";

// The addresses other computers can reach, in the adapters' order.
std::vector<std::string> UsableAddresses(platform::Platform& platform) {
  std::vector<std::string> usable;
  std::vector<platform::AdapterRecord> adapters;
  if (platform.adapters.List(adapters) != 0) return usable;
  for (const platform::AdapterRecord& adapter : adapters) {
    for (const std::string& address : adapter.addresses) {
      if (UsableAddress(address) && !Contains(usable, address)) usable.push_back(address);
    }
  }
  return usable;
}

}  // namespace

bool VisitorInstructions(platform::Platform& platform, int mode, std::u16string& text) {
  text.clear();
  // Appends text of the program's code page; false when Windows could not convert it.
  auto append = [&](const std::string& ansi) {
    std::u16string wide;
    if (!platform.text.AnsiToWide(ansi, wide, ansi.size() + 1)) return false;
    text += wide;
    return true;
  };
  const std::string computer = ComputerNameOf(platform);
  std::string head = FormatMessageText("How to open the shared folders of %s\r\n\r\n", {computer});
  if (mode == kNoMode || !SharesFolders(mode)) {
    head += FormatMessageText(mode == kNoMode ? kNoModeApplied : kStopped, {computer});
    return append(head);
  }
  head += FormatMessageText(kOpen, {computer, computer});
  const std::vector<std::string> addresses = UsableAddresses(platform);
  if (!addresses.empty()) head += kByAddress;
  for (const std::string& address : addresses) head += "   \\\\" + address + "\r\n";

  std::vector<FolderShare> shares;
  const std::uint32_t listed = ListFolderShares(platform, shares);
  head += listed != 0      ? FormatMessageText(kSharesUnread, {computer})
          : shares.empty() ? FormatMessageText(kNoShares, {computer})
                           : std::string(kShares);
  if (!append(head)) return false;
  for (const FolderShare& share : shares) {
    // Each name exactly as the share service holds it.
    if (!append("   \\\\" + computer + "\\")) return false;
    text += share.name + u"\r\n";
  }
  const ServerFacts facts = ReadServerFacts(platform);
  return append(
      FormatMessageText("3. Account: %s\r\n\r\nWhat Windows 10 and 11 need: %s%s\r\n",
                        {LogonWords(mode, computer), ProtocolWords(facts, computer),
                         facts.signingKnown && !facts.signingOffered ? kOwnerSigns : ""}));
}

}  // namespace check
