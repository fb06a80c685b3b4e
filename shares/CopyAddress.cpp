#include "shares/CopyAddress.h"

#include "shares/AccessWords.h"

namespace shares {
namespace {

constexpr std::uint32_t kComputerNameCapacity = 255;

}  // namespace

std::u16string ShareAddressOf(platform::Platform& platform, const std::u16string& share) {
  std::string computer;
  if (!platform.identity.GetComputerName(computer, kComputerNameCapacity)) {
    computer = "localhost";
  }
  const std::string start = ShareAddress(computer, "");
  std::u16string address;
  if (!platform.text.AnsiToWide(start, address, start.size() + 1)) address = u"\\\\localhost\\";
  return address + share;
}

void CopyAddress(app::Application& app, platform::Handle owner, const std::u16string& address) {
  platform::Platform& platform = app.platform();
  std::string ansi;
  const bool copied = platform.text.WideToAnsiExact(address, ansi)
                          ? platform.clipboard.SetText(owner, ansi)
                          : platform.clipboard.SetUnicodeText(owner, address);
  if (!copied) {
    app.ShowMessage(owner,
                    "The address could not be copied: another program is using the "
                    "clipboard.",
                    platform::mb::kOk | platform::mb::kIconWarning);
  }
}

}  // namespace shares
