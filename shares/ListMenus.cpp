// The shortcut menus of the shared-folder and session lists: the page's own actions, and the
// address of the chosen row for the clipboard.
#include "app/Formmain.h"
#include "shares/AccessWords.h"
#include "shares/CopyAddress.h"
#include "shares/Disconnect.h"
#include "shares/StopShare.h"
#include "ui/ControlIds.h"

namespace app {
namespace {

constexpr std::uint32_t kComputerNameCapacity = 255;

}  // namespace

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
      const int selected = m_listviewFolders.SelectedIndex();
      if (selected < 0) {
        m_app.ShowMessage(Handle(), shares::kSelectFolderFirst,
                          platform::mb::kOk | platform::mb::kIconInformation);
        return;
      }
      std::string computer;
      if (!m_app.platform().identity.GetComputerName(computer, kComputerNameCapacity)) {
        computer = "localhost";
      }
      return shares::CopyAddress(
          m_app, Handle(), shares::ShareAddress(computer, m_listviewFolders.Cell(selected, 0)));
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
      const int selected = m_listviewSessions.SelectedIndex();
      if (selected < 0) {
        m_app.ShowMessage(Handle(), shares::kSelectSessionFirst,
                          platform::mb::kOk | platform::mb::kIconInformation);
        return;
      }
      // The visitor's computer, as an address to type: \\PC1.
      const std::string client = m_listviewSessions.Cell(selected, 0);
      return shares::CopyAddress(m_app, Handle(),
                                 client.rfind("\\\\", 0) == 0 ? client : "\\\\" + client);
    }
    default:
      return;
  }
}

}  // namespace app
