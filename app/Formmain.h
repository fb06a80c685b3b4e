// The main window: three pages, the menu, the start-up sequence.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "platform/Failure.h"
#include "platform/ShareService.h"
#include "shares/SharedFolderList.h"
#include "ui/Form.h"

namespace app {

class TfrmMain {
 private:
  // Declared first: the control references below are bound from the built form.
  Application& m_app;
  ui::FormFactory& m_factory;
  std::unique_ptr<ui::Form> m_form;

 public:
  // Builds the window (hidden) and runs FormCreate to its end.
  TfrmMain(Application& application, ui::FormFactory& factory);
  // The windows the factory makes afterwards show no help through this one.
  ~TfrmMain();
  TfrmMain(const TfrmMain&) = delete;
  TfrmMain& operator=(const TfrmMain&) = delete;

  Application& application() { return m_app; }
  ui::FormFactory& factory() { return m_factory; }
  ui::Form& form() { return *m_form; }
  ui::Window& window() { return m_form->window(); }
  platform::Handle Handle() const { return m_form->window().Handle(); }

  // Controls, as designed.
  ui::TabControl& pgc1;
  ui::RadioGroup& m_radiosMode;
  ui::Button& m_btnApply;
  ui::RichText& m_memoTip;
  ui::ListView& m_listviewFolders;
  ui::Button& m_btnFolderRefresh;
  ui::Button& m_btnFolderStopShare;
  ui::Button& m_btnFolderNewShare;
  ui::Button& m_btnFolderAccess;
  ui::ListView& m_listviewSessions;
  ui::Button& m_btnSessionRefresh;
  ui::Button& m_btnSessionDisconnect;
  ui::Button& m_btnSessionOpenFiles;
  ui::Label& m_labelSvrName;
  ui::Label& Label1;
  ui::Control& m_memoScriptNetBios;

  // Start-up and frame.
  platform::Status FormCreate();
  void menuExitClick();
  void menuCheckSharingClick();
  void ShowAdministratorWarning();

  // The computer's name and first IPv4 address, for m_labelSvrName.
  std::string GetComputerIdentityText();

  // Share modes.
  // Whether the start-up goes on; false once "vbs file not found!" was shown.
  platform::Result<bool> PrepareNetworkSharing();
  platform::Status RestoreShareMode();
  platform::Status m_radiosModeClick();
  platform::Status m_btnApplyClick();
  void menuUndoModeClick();
  void menuRestoreSettingsClick();

  // Shares and sessions.
  void m_btnFolderRefreshClick();
  void m_btnFolderStopShareClick();
  // Stops the selected share: asks first when visitors are connected to it, or always.
  void StopSelectedShare(bool alwaysAsk);
  void m_btnFolderNewShareClick();
  void m_btnFolderAccessClick();
  void m_btnSessionRefreshClick();
  void m_btnSessionDisconnectClick();
  void m_btnSessionOpenFilesClick();
  static std::string SecondsToTimeText(std::uint32_t seconds);
  void m_listviewFoldersContextMenu();
  void m_listviewSessionsContextMenu();

  // Help and links.
  void menuHelpContentClick();
  void menuFAQClick();
  void menuHomePageClick();
  void menuAboutClick();
  void Label1Click();
  void Label1MouseEnter(ui::Label& sender);
  void Label1MouseLeave(ui::Label& sender);
  // Opens the help file at `page`: "Help Content", and F1 in every dialog.
  void ShowHelpPage(const std::string& page);

 private:
  void ConnectEvents();

  // The exact record behind each row of the two lists, in the rows' order: what the actions
  // use, never the rows' texts.
  shares::ListedShares m_folderRecords;
  std::vector<platform::SessionRecord> m_sessionRecords;
};

}  // namespace app
