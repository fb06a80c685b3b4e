#include "app/MainWindowLayout.h"

#include "sharemode/NetBiosScript.h"
#include "ui/ControlIds.h"

namespace app {

ui::FormDesign MainWindowLayout(const std::string& webSiteText) {
  using K = ui::ControlKind;
  namespace ids = ui::ids;
  ui::FormDesign form;
  form.className = "TfrmMain";
  form.caption = "Plinvo";
  form.clientWidth = 756;
  form.clientHeight = 428;
  form.centreOnScreen = true;
  form.border = ui::BorderStyle::Single;
  form.minimizeBox = true;
  form.fontHeight = 13;
  form.showHints = true;

  form.Add("pgc1", K::TabControl, "", ids::pgc1, {0, 8, 753, 393}, "");

  form.Add("m_sheetMode", K::TabPage, "pgc1", ids::m_sheetMode, {}, "Share Mode Setting");
  ui::ControlDesign& modes = form.Add("m_radiosMode", K::RadioGroup, "m_sheetMode",
                                      ids::m_radiosMode, {8, 8, 593, 97}, "Share Mode List");
  modes.items = {"Stop Share", "Zendry Share", "Normal Share"};
  modes.columns = 3;
  modes.itemIndex = 1;
  ui::ControlDesign& apply = form.Add("m_btnApply", K::SpeedButton, "m_sheetMode", ids::m_btnApply,
                                      {608, 16, 129, 89}, "Apply");
  apply.bold = true;
  apply.picture = "PICTURE_APPLY";
  ui::ControlDesign& tip = form.Add("m_memoTip", K::RichText, "m_sheetMode", ids::m_memoTip,
                                    {8, 112, 729, 249}, "Desc.");
  tip.readOnly = true;
  tip.noBorder = true;
  tip.verticalScrollBar = true;
  tip.fontHeight = 13;
  tip.charset = 134;  // GB2312

  ui::ControlDesign& folders =
      form.Add("m_sheetFolders", K::TabPage, "pgc1", ids::m_sheetFolders, {}, "Shared Folders");
  (void)folders;
  ui::ControlDesign& folderList = form.Add("m_listviewFolders", K::ListView, "m_sheetFolders",
                                           ids::m_listviewFolders, {0, 0, 617, 361}, "");
  folderList.wholeRowSelect = true;
  folderList.listColumns = {{"Share Name", 150, true},
                            {"Folder Path", 250, false},
                            {"# of Connections", 120, false},
                            {"Description", 250, false}};
  folderList.hint =
      "The Share Names ended with '$' are used by MS-Windows itself, so don't stop share them!";
  form.Add("m_btnFolderRefresh", K::Button, "m_sheetFolders", ids::m_btnFolderRefresh,
           {624, 48, 113, 25}, "Refresh")
      .picture = "PICTURE_REFRESH";
  form.Add("m_btnFolderStopShare", K::Button, "m_sheetFolders", ids::m_btnFolderStopShare,
           {624, 160, 113, 25}, "Stop Share")
      .picture = "PICTURE_STOPSHARE";
  form.Add("m_btnFolderNewShare", K::Button, "m_sheetFolders", ids::m_btnFolderNewShare,
           {624, 264, 113, 25}, "New Share")
      .picture = "PICTURE_NEWSHARE";
  form.Add("m_btnFolderAccess", K::Button, "m_sheetFolders", ids::m_btnFolderAccess,
           {624, 212, 113, 25}, "Access...")
      .picture = "PICTURE_FILE";

  form.Add("m_sheetSessions", K::TabPage, "pgc1", ids::m_sheetSessions, {}, "Sessions");
  form.Add("m_listviewSessions", K::ListView, "m_sheetSessions", ids::m_listviewSessions,
           {0, 0, 601, 361}, "")
      .listColumns = {{"Client PC", 120, false},
                      {"User", 120, false},
                      {"Active Time", 120, false},
                      {"Idle Time", 120, false}};
  form.Add("m_btnSessionRefresh", K::Button, "m_sheetSessions", ids::m_btnSessionRefresh,
           {624, 40, 89, 25}, "Refresh")
      .picture = "PICTURE_REFRESH";
  form.Add("m_btnSessionDisconnect", K::Button, "m_sheetSessions", ids::m_btnSessionDisconnect,
           {624, 80, 89, 25}, "Disconnect")
      .picture = "PICTURE_STOPSHARE";
  form.Add("m_btnSessionOpenFiles", K::Button, "m_sheetSessions", ids::m_btnSessionOpenFiles,
           {624, 120, 89, 25}, "Open Files")
      .picture = "PICTURE_FILE";

  form.Add("m_labelSvrName", K::Label, "", ids::m_labelSvrName, {0, 408, 0, 0}, "").autoSize = true;
  ui::ControlDesign& link =
      form.Add("Label1", K::Label, "", ids::Label1, {600, 404, 0, 0}, webSiteText);
  link.autoSize = true;
  link.underline = true;
  ui::ControlDesign& script = form.Add("m_memoScriptNetBios", K::Memo, "", ids::m_memoScriptNetBios,
                                       {0, 0, 0, 0}, sharemode::kNetBiosScript);
  script.readOnly = true;
  script.visible = false;

  form.menu = {{"File1", "&File", "", ids::File1, "PICTURE_FILE"},
               {"menuCheckSharing", "&Check Sharing...", "File1", ids::menuCheckSharing, ""},
               {"menuUndoMode", "&Undo Last Mode Change...", "File1", ids::menuUndoMode, ""},
               {"menuRestoreSettings", "&Restore Windows Settings...", "File1",
                ids::menuRestoreSettings, ""},
               {"menuExitSeparator", "-", "File1", 0, ""},
               {"menuExit", "E&xit", "File1", ids::menuExit, ""},
               {"Help1", "&Help", "", ids::Help1, "PICTURE_HELP"},
               {"menuHelpContent", "&Help Content", "Help1", ids::menuHelpContent, ""},
               {"menuFAQ", "&Frequently Asked Questions ", "Help1", ids::menuFAQ, ""},
               {"menuHomePage", "Home &Page", "Help1", ids::menuHomePage, ""},
               {"menuAbout", "&About", "Help1", ids::menuAbout, ""}};

  // The keys users of the system's own tools expect; "Apply" takes no focus, so Enter on the
  // options is its key.
  using ui::Key;
  using ui::KeyAction;
  form.keys = ui::PageKeys("pgc1");
  form.keys.insert(
      form.keys.end(),
      {{Key::F1, ui::kNoModifier, KeyAction::Click, "menuHelpContent", "", ""},
       {Key::F5, ui::kNoModifier, KeyAction::Click, "m_btnFolderRefresh", "", "m_sheetFolders"},
       {Key::F5, ui::kNoModifier, KeyAction::Click, "m_btnSessionRefresh", "", "m_sheetSessions"},
       {Key::Delete, ui::kNoModifier, KeyAction::Click, "m_btnFolderStopShare", "m_listviewFolders",
        ""},
       {Key::Enter, ui::kNoModifier, KeyAction::Click, "m_btnApply", "m_radiosMode", ""}});
  return form;
}

}  // namespace app
