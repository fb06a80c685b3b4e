#include "app/Formmain.h"

#include <algorithm>
#include <cctype>

#include "app/ChangeEvents.h"
#include "app/MainWindowLayout.h"

namespace app {
namespace {

constexpr std::uint32_t kUserNameCapacity = 128;

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

}  // namespace

TfrmMain::TfrmMain(Application& application, ui::FormFactory& factory)
    : m_app(application),
      m_factory(factory),
      m_form(factory.CreateForm(MainWindowLayout(kWebSiteText), 0)),
      pgc1(m_form->Get<ui::TabControl>("pgc1")),
      m_radiosMode(m_form->Get<ui::RadioGroup>("m_radiosMode")),
      m_btnApply(m_form->Get<ui::Button>("m_btnApply")),
      m_memoTip(m_form->Get<ui::RichText>("m_memoTip")),
      m_listviewFolders(m_form->Get<ui::ListView>("m_listviewFolders")),
      m_btnFolderRefresh(m_form->Get<ui::Button>("m_btnFolderRefresh")),
      m_btnFolderStopShare(m_form->Get<ui::Button>("m_btnFolderStopShare")),
      m_btnFolderNewShare(m_form->Get<ui::Button>("m_btnFolderNewShare")),
      m_btnFolderAccess(m_form->Get<ui::Button>("m_btnFolderAccess")),
      m_listviewSessions(m_form->Get<ui::ListView>("m_listviewSessions")),
      m_btnSessionRefresh(m_form->Get<ui::Button>("m_btnSessionRefresh")),
      m_btnSessionDisconnect(m_form->Get<ui::Button>("m_btnSessionDisconnect")),
      m_btnSessionOpenFiles(m_form->Get<ui::Button>("m_btnSessionOpenFiles")),
      m_labelSvrName(m_form->Get<ui::Label>("m_labelSvrName")),
      Label1(m_form->Get<ui::Label>("Label1")),
      m_memoScriptNetBios(m_form->Get<ui::Control>("m_memoScriptNetBios")) {
  ConnectEvents();
  m_app.Run(Handle(), [this] { return FormCreate(); });
}

TfrmMain::~TfrmMain() { m_factory.showHelpPage = nullptr; }

void TfrmMain::ConnectEvents() {
  auto owner = [this] { return Handle(); };
  // A handler that can fail returns its failure, which the central error report shows.
  auto on = [&](auto handler) {
    return m_app.Guarded(owner, [this, handler] { return (this->*handler)(); });
  };
  m_form->Menu("menuCheckSharing").onClick = on(&TfrmMain::menuCheckSharingClick);
  m_form->Menu("menuExit").onClick = on(&TfrmMain::menuExitClick);
  m_form->Menu("menuUndoMode").onClick = on(&TfrmMain::menuUndoModeClick);
  m_form->Menu("menuRestoreSettings").onClick = on(&TfrmMain::menuRestoreSettingsClick);
  m_form->Menu("menuHelpContent").onClick = on(&TfrmMain::menuHelpContentClick);
  m_form->Menu("menuFAQ").onClick = on(&TfrmMain::menuFAQClick);
  m_form->Menu("menuHomePage").onClick = on(&TfrmMain::menuHomePageClick);
  m_form->Menu("menuAbout").onClick = on(&TfrmMain::menuAboutClick);
  m_radiosMode.onClick = on(&TfrmMain::m_radiosModeClick);
  m_btnApply.onClick = on(&TfrmMain::m_btnApplyClick);
  m_btnFolderRefresh.onClick = on(&TfrmMain::m_btnFolderRefreshClick);
  m_btnFolderStopShare.onClick = on(&TfrmMain::m_btnFolderStopShareClick);
  m_btnFolderNewShare.onClick = on(&TfrmMain::m_btnFolderNewShareClick);
  // The Delete key is a quicker, easier slip than the button: it always asks.
  m_form->SetKeyCommand("stopShareAsking",
                        m_app.Guarded(owner, [this] { StopSelectedShare(true); }));
  m_btnFolderAccess.onClick = on(&TfrmMain::m_btnFolderAccessClick);
  m_listviewFolders.onDoubleClick = on(&TfrmMain::m_btnFolderAccessClick);
  m_listviewFolders.onContextMenu = on(&TfrmMain::m_listviewFoldersContextMenu);
  m_listviewSessions.onContextMenu = on(&TfrmMain::m_listviewSessionsContextMenu);
  m_btnSessionRefresh.onClick = on(&TfrmMain::m_btnSessionRefreshClick);
  m_btnSessionDisconnect.onClick = on(&TfrmMain::m_btnSessionDisconnectClick);
  m_btnSessionOpenFiles.onClick = on(&TfrmMain::m_btnSessionOpenFilesClick);
  Label1.onClick = on(&TfrmMain::Label1Click);
  Label1.onMouseEnter = m_app.Guarded(owner, [this] { Label1MouseEnter(Label1); });
  Label1.onMouseLeave = m_app.Guarded(owner, [this] { Label1MouseLeave(Label1); });
  m_factory.showHelpPage = [this](const std::string& page) {
    m_app.Run(Handle(), [&] { ShowHelpPage(page); });
  };
}

platform::Status TfrmMain::FormCreate() {
  // The wait cursor while the start-up steps run; the window shows only afterwards.
  ui::BusyWindow busy(window());
  InitApplicationValues(m_app.global(), m_app.platform().identity);
  RegisterEventSource(m_app.platform());
  m_labelSvrName.SetText(GetComputerIdentityText());
  const platform::Result<bool> prepared = PrepareNetworkSharing();
  if (!prepared.Succeeded()) return prepared.status();
  if (!prepared.value()) return {};
  if (platform::Status restored = RestoreShareMode(); !restored.Succeeded()) return restored;
  m_btnFolderRefreshClick();
  ShowAdministratorWarning();
  return {};
}

void TfrmMain::ShowAdministratorWarning() {
  std::string userName;
  if (!m_app.platform().identity.GetUserName(userName, kUserNameCapacity)) userName.clear();
  if (m_app.global().versionRecord.majorVersion == 6 &&
      !EqualsIgnoringCase(userName, "Administrator")) {
    m_app.ShowMessage(Handle(),
                      "In order to run our software ,please log on the computer using "
                      "'Administrator', otherwise some operatons will be lack of permission.",
                      platform::mb::kOk | platform::mb::kIconWarning);
  }
}

void TfrmMain::menuExitClick() { window().Close(); }

}  // namespace app
