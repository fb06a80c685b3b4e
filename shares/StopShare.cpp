#include "shares/StopShare.h"

#include "app/ChangeEvents.h"
#include "app/Formmain.h"
#include "shares/ResultTexts.h"
#include "shares/ServiceText.h"
#include "shares/StopShareQuestion.h"

namespace shares {

std::string StopShare(platform::Platform& platform, const platform::ShareRecord& share) {
  const std::u16string name = share.netName.value_or(std::u16string());
  const bool fits = FitsServiceBuffer(name);
  const std::uint32_t result = fits ? platform.shareService.ShareDel(name) : platform::kSuccess;
  const std::string report =
      fits ? TextForResult(StopShareResults(), result) : TooLongText("share name");
  app::WriteOutcomeEvent(platform, fits && result == platform::kSuccess, app::Event::ShareStopped,
                         app::Event::ShareNotStopped, {share.netName, share.path}, report);
  return report;
}

}  // namespace shares

void app::TfrmMain::m_btnFolderStopShareClick() { StopSelectedShare(false); }

void app::TfrmMain::StopSelectedShare(bool alwaysAsk) {
  using namespace platform::mb;
  const std::optional<platform::ShareRecord> share = m_folderRecords.Selected(m_listviewFolders);
  if (!share) {
    m_app.ShowMessage(Handle(), shares::kSelectFolderFirst, kOk | kIconInformation);
    return;
  }
  // Visitors connected to the share may lose unsaved work, as with "Disconnect".
  if ((alwaysAsk || share->currentUses > 0) &&
      m_app.ShowMessage(Handle(), shares::StopShareQuestion(m_app.platform(), *share),
                        kOkCancel | kIconQuestion) != kIdOk) {
    return;
  }
  m_app.ShowMessage(Handle(), shares::StopShare(m_app.platform(), *share), kOk | kIconInformation);
  m_btnFolderRefreshClick();
}
