// Win32 identifiers of every control and menu entry. They are fixed so that the end-to-end
// driver, a separate program, can find a control the way a user finds it on the screen.
#pragma once

namespace ui::ids {

// Main window.
constexpr int pgc1 = 1001;
constexpr int m_sheetMode = 1002;
constexpr int m_radiosMode = 1003;  // options are 1004, 1005, 1006
constexpr int m_radiosModeFirstOption = 1004;
constexpr int m_btnApply = 1007;
constexpr int m_memoTip = 1008;
constexpr int m_sheetFolders = 1010;
constexpr int m_listviewFolders = 1011;
constexpr int m_btnFolderRefresh = 1012;
constexpr int m_btnFolderStopShare = 1013;
constexpr int m_btnFolderNewShare = 1014;
constexpr int m_btnFolderAccess = 1015;
constexpr int m_sheetSessions = 1020;
constexpr int m_listviewSessions = 1021;
constexpr int m_btnSessionRefresh = 1022;
constexpr int m_btnSessionDisconnect = 1023;
constexpr int m_btnSessionOpenFiles = 1024;
constexpr int m_labelSvrName = 1030;
constexpr int Label1 = 1031;
constexpr int m_memoScriptNetBios = 1032;

// Main menu.
constexpr int File1 = 2000;
constexpr int menuExit = 2001;
constexpr int menuCheckSharing = 2002;
constexpr int menuUndoMode = 2003;
constexpr int menuRestoreSettings = 2004;
constexpr int Help1 = 2010;
constexpr int menuHelpContent = 2011;
constexpr int menuFAQ = 2012;
constexpr int menuHomePage = 2013;
constexpr int menuAbout = 2014;

// New-share dialog.
constexpr int labelStep1 = 1100;
constexpr int m_editShareDir = 1101;
constexpr int m_btnBrowseDir = 1102;
constexpr int labelStep2 = 1103;
constexpr int m_editShareName = 1104;
constexpr int labelStep3 = 1105;
constexpr int GroupBox1 = 1106;
constexpr int m_radioRead = 1107;
constexpr int m_radioFull = 1108;
constexpr int m_labelResult = 1109;
constexpr int m_btnOK = 1110;
constexpr int m_btnCancel = 1111;

// About box.
constexpr int Panel1 = 1200;
constexpr int lblProductFullName = 1201;
constexpr int lblVersion = 1202;
constexpr int Label3 = 1203;
constexpr int Label4 = 1204;
constexpr int labelWeb = 1205;
constexpr int Label5 = 1206;
constexpr int labelMail = 1207;
constexpr int btnVisitHomePage = 1208;
constexpr int btnClose = 1209;

// Sharing check.
constexpr int m_listChecks = 1300;
constexpr int m_memoExplanation = 1301;
constexpr int m_btnFix = 1302;
constexpr int m_btnCheckAgain = 1303;
constexpr int m_btnCopyReport = 1304;
constexpr int m_btnCloseCheck = 1305;
constexpr int m_labelCheckStatus = 1306;
constexpr int m_btnCopyInstructions = 1307;
// Shortcut menus of the lists.
constexpr int popupFolderAccess = 2100;
constexpr int popupFolderStopShare = 2101;
constexpr int popupFolderNewShare = 2102;
constexpr int popupFolderRefresh = 2103;
constexpr int popupFolderCopyAddress = 2104;
constexpr int popupSessionDisconnect = 2110;
constexpr int popupSessionOpenFiles = 2111;
constexpr int popupSessionRefresh = 2112;
constexpr int popupSessionCopyAddress = 2113;

// Open-files dialog.
constexpr int m_listviewOpenFiles = 1400;
constexpr int m_btnCloseFile = 1401;
constexpr int m_btnOpenFilesRefresh = 1402;
constexpr int m_btnOpenFilesClose = 1403;
constexpr int m_labelOpenFilesShown = 1404;
constexpr int m_btnOpenFilesShowAll = 1405;

// Share-access dialog.
constexpr int labelShareAddress = 1410;
constexpr int m_editShareAddress = 1411;
constexpr int m_btnCopyAddress = 1412;
constexpr int labelSharePermissions = 1413;
constexpr int m_memoSharePermissions = 1414;
constexpr int labelFolderPermissions = 1415;
constexpr int m_memoFolderPermissions = 1416;
constexpr int m_labelAccessWarning = 1417;
constexpr int m_groupGuestAccess = 1418;
constexpr int m_radioGuestRead = 1419;
constexpr int m_radioGuestFull = 1420;
constexpr int m_btnChangeAccess = 1421;
constexpr int m_btnAccessClose = 1422;

}  // namespace ui::ids
