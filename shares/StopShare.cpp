#include "shares/StopShare.h"

#include "app/Formmain.h"
#include "shares/ListedRecords.h"
#include "shares/ResultTexts.h"
#include "shares/ServiceText.h"

namespace shares {

std::string StopShare(platform::Platform& platform, const platform::ShareRecord& share) {
  const std::u16string name = share.netName.value_or(std::u16string());
  if (!FitsServiceBuffer(name)) return TooLongText("share name");
  return TextForResult(StopShareResults(), platform.shareService.ShareDel(name));
}

}  // namespace shares

void app::TfrmMain::m_btnFolderStopShareClick() {
  const std::uint32_t style = platform::mb::kOk | platform::mb::kIconInformation;
  const platform::ShareRecord* share = shares::SelectedRecord(m_listviewFolders, m_folderRecords);
  if (share == nullptr) {
    m_app.ShowMessage(Handle(), shares::kSelectFolderFirst, style);
    return;
  }
  m_app.ShowMessage(Handle(), shares::StopShare(m_app.platform(), *share), style);
  m_btnFolderRefreshClick();
}
