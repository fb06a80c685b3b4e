#include "shares/CopyAddress.h"

namespace shares {

void CopyAddress(app::Application& app, platform::Handle owner, const std::string& address) {
  if (!app.platform().clipboard.SetText(owner, address)) {
    app.ShowMessage(owner,
                    "The address could not be copied: another program is using the "
                    "clipboard.",
                    platform::mb::kOk | platform::mb::kIconWarning);
  }
}

}  // namespace shares
