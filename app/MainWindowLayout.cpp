#include "app/MainWindowLayout.h"

#include "sharemode/NetBiosScript.h"
#include "ui/ControlIds.h"

namespace app {
namespace {

using K = ui::ControlKind;
namespace ids = ui::ids;

// clang-format off
constexpr ui::ControlEntry kControls[] = {
    {"pgc1", K::TabControl, "", ids::pgc1, {0, 8, 753, 393}, ""},

    {"m_sheetMode", K::TabPage, "pgc1", ids::m_sheetMode, {}, "Share Mode Setting"},
    {"m_radiosMode", K::RadioGroup, "m_sheetMode", ids::m_radiosMode, {8, 8, 593, 97},
     "Share Mode List"},
    {"m_btnApply", K::Button, "m_sheetMode", ids::m_btnApply, {608, 16, 129, 89}, "Apply",
     ui::kBold | ui::kFixedSize, "PICTURE_APPLY"},
    {"m_memoTip", K::RichText, "m_sheetMode", ids::m_memoTip, {8, 112, 729, 249}, "Desc.",
     ui::kReadOnly | ui::kNoBorder | ui::kVerticalScrollBar},

    {"m_sheetFolders", K::TabPage, "pgc1", ids::m_sheetFolders, {}, "Shared Folders"},
    {"m_listviewFolders", K::ListView, "m_sheetFolders", ids::m_listviewFolders, {0, 0, 617, 361},
     "", ui::kWholeRowSelect},
    {"m_btnFolderRefresh", K::Button, "m_sheetFolders", ids::m_btnFolderRefresh,
     {624, 48, 113, 25}, "Refresh", ui::kFixedSize, "PICTURE_REFRESH"},
    {"m_btnFolderStopShare", K::Button, "m_sheetFolders", ids::m_btnFolderStopShare,
     {624, 160, 113, 25}, "Stop Share", ui::kFixedSize, "PICTURE_STOPSHARE"},
    {"m_btnFolderNewShare", K::Button, "m_sheetFolders", ids::m_btnFolderNewShare,
     {624, 264, 113, 25}, "New Share", ui::kFixedSize, "PICTURE_NEWSHARE"},
    {"m_btnFolderAccess", K::Button, "m_sheetFolders", ids::m_btnFolderAccess,
     {624, 212, 113, 25}, "Access...", ui::kPlain, "PICTURE_FILE"},

    {"m_sheetSessions", K::TabPage, "pgc1", ids::m_sheetSessions, {}, "Sessions"},
    {"m_listviewSessions", K::ListView, "m_sheetSessions", ids::m_listviewSessions,
     {0, 0, 601, 361}, ""},
    {"m_btnSessionRefresh", K::Button, "m_sheetSessions", ids::m_btnSessionRefresh,
     {624, 40, 89, 25}, "Refresh", ui::kFixedSize, "PICTURE_REFRESH"},
    {"m_btnSessionDisconnect", K::Button, "m_sheetSessions", ids::m_btnSessionDisconnect,
     {624, 80, 89, 25}, "Disconnect", ui::kPlain, "PICTURE_STOPSHARE"},
    {"m_btnSessionOpenFiles", K::Button, "m_sheetSessions", ids::m_btnSessionOpenFiles,
     {624, 120, 89, 25}, "Open Files", ui::kPlain, "PICTURE_FILE"},

    {"m_labelSvrName", K::Label, "", ids::m_labelSvrName, {0, 408, 0, 0}, "", ui::kAutoSize},
    // Shows the web-site text the layout is given.
    {"Label1", K::Label, "", ids::Label1, {600, 404, 0, 0}, "", ui::kAutoSize | ui::kUnderline},
    {"m_memoScriptNetBios", K::Memo, "", ids::m_memoScriptNetBios, {0, 0, 0, 0},
     sharemode::kNetBiosScript, ui::kReadOnly | ui::kHidden},
};
// clang-format on

// clang-format off
constexpr ui::MenuEntry kMenu[] = {
    {"File1", "&File", "", ids::File1, "PICTURE_FILE"},
    {"menuCheckSharing", "&Check Sharing...", "File1", ids::menuCheckSharing},
    {"menuUndoMode", "&Undo Last Mode Change...", "File1", ids::menuUndoMode},
    {"menuRestoreSettings", "&Restore Windows Settings...", "File1", ids::menuRestoreSettings},
    {"menuExitSeparator", "-", "File1", 0},
    {"menuExit", "E&xit", "File1", ids::menuExit},
    {"Help1", "&Help", "", ids::Help1, "PICTURE_HELP"},
    {"menuHelpContent", "&Help Content", "Help1", ids::menuHelpContent},
    {"menuFAQ", "&Frequently Asked Questions ", "Help1", ids::menuFAQ},
    {"menuHomePage", "Home &Page", "Help1", ids::menuHomePage},
    {"menuAbout", "&About", "Help1", ids::menuAbout},
};
// clang-format on

// The keys users of the system's own tools expect. Ctrl+Tab and Ctrl+PgDn go to the next page,
// Ctrl+Shift+Tab and Ctrl+PgUp to the previous one, wherever the focus is. Enter on the options
// applies the mode chosen, as Enter on "Apply" does. Delete in the shared-folder list stops the
// selected share after asking. Shift+F10 and the menu key open a list's shortcut menu at its
// selected row.
// clang-format off
constexpr ui::KeyEntry kKeys[] = {
    {ui::Key::Tab, ui::kCtrl, ui::KeyAction::NextPage, "pgc1"},
    {ui::Key::Tab, ui::kCtrl | ui::kShift, ui::KeyAction::PreviousPage, "pgc1"},
    {ui::Key::PageDown, ui::kCtrl, ui::KeyAction::NextPage, "pgc1"},
    {ui::Key::PageUp, ui::kCtrl, ui::KeyAction::PreviousPage, "pgc1"},
    {ui::Key::F1, ui::kNoModifier, ui::KeyAction::Click, "menuHelpContent"},
    {ui::Key::F5, ui::kNoModifier, ui::KeyAction::Click, "m_btnFolderRefresh", "",
     "m_sheetFolders"},
    {ui::Key::F5, ui::kNoModifier, ui::KeyAction::Click, "m_btnSessionRefresh", "",
     "m_sheetSessions"},
    {ui::Key::Delete, ui::kNoModifier, ui::KeyAction::Run, "stopShareAsking",
     "m_listviewFolders"},
    {ui::Key::Enter, ui::kNoModifier, ui::KeyAction::Click, "m_btnApply", "m_radiosMode"},
    {ui::Key::F10, ui::kShift, ui::KeyAction::ContextMenu, "m_listviewFolders",
     "m_listviewFolders"},
    {ui::Key::Apps, ui::kNoModifier, ui::KeyAction::ContextMenu, "m_listviewFolders",
     "m_listviewFolders"},
    {ui::Key::F10, ui::kShift, ui::KeyAction::ContextMenu, "m_listviewSessions",
     "m_listviewSessions"},
    {ui::Key::Apps, ui::kNoModifier, ui::KeyAction::ContextMenu, "m_listviewSessions",
     "m_listviewSessions"},
};
// clang-format on

}  // namespace

ui::FormDesign MainWindowLayout(const std::string& webSiteText) {
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
  form.AddControls(kControls);
  form.AddMenu(kMenu);
  form.AddKeys(kKeys);

  ui::ControlDesign& modes = form.ControlNamed("m_radiosMode");
  modes.items = ui::Texts({"Stop Share", "Zendry Share", "Normal Share"});
  modes.columns = 3;
  modes.itemIndex = 1;
  ui::ControlDesign& tip = form.ControlNamed("m_memoTip");
  tip.fontHeight = 13;
  tip.charset = 134;  // GB2312
  ui::ControlDesign& folders = form.ControlNamed("m_listviewFolders");
  folders.listColumns = ui::Columns({{"Share Name", 150, true},
                                     {"Folder Path", 250},
                                     {"# of Connections", 120},
                                     {"Description", 250}});
  folders.hint =
      "The Share Names ended with '$' are used by MS-Windows itself, so don't stop share them!";
  form.ControlNamed("m_listviewSessions").listColumns =
      ui::Columns({{"Client PC", 120}, {"User", 120}, {"Active Time", 120}, {"Idle Time", 120}});
  form.ControlNamed("Label1").text = webSiteText;
  return form;
}

}  // namespace app
