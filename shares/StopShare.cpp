#include "shares/StopShare.h"

#include "app/Formmain.h"
#include "shares/ResultTexts.h"
#include "shares/ServiceText.h"

namespace shares {

std::string StopShare(platform::Platform& platform, const std::string& shareName) {
  std::u16string wide;
  if (!platform.text.AnsiToWide(shareName, wide, kServiceTextCapacity)) {
    return TooLongText("share name");
  }
  return TextForResult(StopShareResults(), platform.shareService.ShareDel(wide));
}

}  // namespace shares

void app::TfrmMain::m_btnFolderStopShareClick() {
  const std::uint32_t style = platform::mb::kOk | platform::mb::kIconInformation;
  const int selected = m_listviewFolders.SelectedIndex();
  if (selected < 0) {
    m_app.ShowMessage(Handle(), shares::kSelectFolderFirst, style);
    return;
  }
  const std::string name = m_listviewFolders.Cell(selected, 0);
  m_app.ShowMessage(Handle(), shares::StopShare(m_app.platform(), name), style);
  m_btnFolderRefreshClick();
}
