// The shortcut menus of the shared-folder and session lists: the page's own actions, and the
// address of the chosen row for the clipboard.
#include "app/Formmain.h"
#include "shares/CopyAddress.h"
#include "shares/Disconnect.h"
#include "shares/ListedRecords.h"
#include "shares/StopShare.h"
#include "ui/ControlIds.h"

namespace app {

void TfrmMain::m_listviewFoldersContextMenu() {
  namespace ids = ui::ids;
  const int chosen = window().PopupMenu({{ids::popupFolderAccess, "Access..."},
                                         {ids::popupFolderStopShare, "Stop Share"},
                                         {ids::popupFolderNewShare, "New Share"},
                                         {ids::popupFolderRefresh, "Refresh"},
                                         {ids::popupFolderCopyAddress, "Copy Address"}});
  switch (chosen) {
    case ids::popupFolderAccess:
      return m_btnFolderAccessClick();
    case ids::popupFolderStopShare:
      return m_btnFolderStopShareClick();
    case ids::popupFolderNewShare:
      return m_btnFolderNewShareClick();
    case ids::popupFolderRefresh:
      return m_btnFolderRefreshClick();
    case ids::popupFolderCopyAddress: {
      const std::optional<platform::ShareRecord> share =
          m_folderRecords.Selected(m_listviewFolders);
      if (!share) {
        m_app.ShowMessage(Handle(), shares::kSelectFolderFirst,
                          platform::mb::kOk | platform::mb::kIconInformation);
        return;
      }
      return shares::CopyAddress(
          m_app, Handle(),
          shares::ShareAddressOf(m_app.platform(), share->netName.value_or(std::u16string())));
    }
    default:
      return;
  }
}

void TfrmMain::m_listviewSessionsContextMenu() {
  namespace ids = ui::ids;
  const int chosen = window().PopupMenu({{ids::popupSessionDisconnect, "Disconnect"},
                                         {ids::popupSessionOpenFiles, "Open Files"},
                                         {ids::popupSessionRefresh, "Refresh"},
                                         {ids::popupSessionCopyAddress, "Copy Address"}});
  switch (chosen) {
    case ids::popupSessionDisconnect:
      return m_btnSessionDisconnectClick();
    case ids::popupSessionOpenFiles:
      return m_btnSessionOpenFilesClick();
    case ids::popupSessionRefresh:
      return m_btnSessionRefreshClick();
    case ids::popupSessionCopyAddress: {
      const platform::SessionRecord* session =
          shares::SelectedRecord(m_listviewSessions, m_sessionRecords);
      if (session == nullptr) {
        m_app.ShowMessage(Handle(), shares::kSelectSessionFirst,
                          platform::mb::kOk | platform::mb::kIconInformation);
        return;
      }
      return shares::CopyAddress(
          m_app, Handle(), shares::ComputerAddress(session->clientName.value_or(std::u16string())));
    }
    default:
      return;
  }
}

}  // namespace app
