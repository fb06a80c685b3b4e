// The start-up benchmark's anchor: the same kinds of windows as Plinvo's main window and nothing
// else, made the straightforward way. A menu, a tab control with three pages, three option
// buttons, a rich edit loaded with one description (zendry_share_help.rtf beside the program),
// two report lists with a hint on the first, eight picture buttons, two labels and a hidden edit.
// With "/startup" it also does what Plinvo's start-up sequence waits for, where Plinvo does it
// (its windows made, not yet shown): the same three tool starts (two of them waited for) and
// the one-second pause. Never shipped.
#include "AnchorWindow.h"
// after windows.h, which it needs
#include <richedit.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kPages = 3;
HWND g_tabs = nullptr;
HWND g_pages[kPages] = {};
HFONT g_font = nullptr;

HWND Child(HWND parent, DWORD exStyle, const char* className, const char* text, DWORD style, int x,
           int y, int width, int height, int id = 0) {
  HWND window = CreateWindowExA(exStyle, className, text, WS_CHILD | style, x, y, width, height,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
  return window;
}

void PictureButton(HWND page, const char* caption, const char* picture, int x, int y, int width,
                   int height) {
  HWND button = Child(page, 0, "BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, x, y,
                      width, height);
  HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), picture, IMAGE_ICON, 16, 16, 0);
  SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

HWND ReportList(HWND page, int width, const char* const* captions) {
  HWND list = Child(
      page, WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
      WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA, 0,
      0, width, 361);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  const int widths[] = {120, 120, 120, 120};
  anchor::AddColumns(list, captions, widths, 4);
  return list;
}

DWORD CALLBACK ReadDescription(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
  *read = static_cast<LONG>(std::fread(buffer, 1, size, reinterpret_cast<FILE*>(cookie)));
  return 0;
}

void LoadDescription(HWND edit) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string file(path, length);
  file = file.substr(0, file.rfind('\\') + 1) + "zendry_share_help.rtf";
  FILE* description = std::fopen(file.c_str(), "rb");
  if (description == nullptr) return;
  EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(description), 0, &ReadDescription};
  SendMessageA(edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  std::fclose(description);
}

void ShowPage(int shown) {
  for (int page = 0; page < kPages; ++page)
    ShowWindow(g_pages[page], page == shown ? SW_SHOW : SW_HIDE);
}

void RunTool(const char* command, bool wait) {
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  std::string line = command;
  std::string program = std::string(system) + "\\" + line.substr(0, line.find(' ')) + ".exe";
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return;
  }
  if (wait) WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_NOTIFY) return anchor::Otherwise(window, message, wParam, lParam);
  if (reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE) {
    ShowPage(static_cast<int>(SendMessageA(g_tabs, TCM_GETCURSEL, 0, 0)));
  }
  return 0;
}

HMENU MainMenu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, 1, "&Check Sharing...");
  AppendMenuA(file, MF_STRING, 2, "&Undo Last Mode Change...");
  AppendMenuA(file, MF_STRING, 3, "&Restore Windows Settings...");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, 4, "E&xit");
  HMENU help = CreatePopupMenu();
  AppendMenuA(help, MF_STRING, 5, "&Help Content");
  AppendMenuA(help, MF_STRING, 6, "&Frequently Asked Questions ");
  AppendMenuA(help, MF_STRING, 7, "Home &Page");
  AppendMenuA(help, MF_STRING, 8, "&About");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
  return bar;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  LoadLibraryA((std::string(system) + "\\riched20.dll").c_str());
  g_font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

  anchor::RegisterWindowClass(instance, "SameControls", &Procedure);
  RECT frame = {0, 0, 756, 428};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  AdjustWindowRect(&frame, style, TRUE);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HWND window = CreateWindowExA(0, "SameControls", "Same Controls", style,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                nullptr, MainMenu(), instance, nullptr);

  g_tabs = Child(window, 0, WC_TABCONTROLA, "", WS_VISIBLE | WS_CLIPSIBLINGS, 0, 8, 753, 393);
  const char* const captions[kPages] = {"Share Mode Setting", "Shared Folders", "Sessions"};
  for (int page = 0; page < kPages; ++page) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(captions[page]);
    SendMessageA(g_tabs, TCM_INSERTITEMA, page, reinterpret_cast<LPARAM>(&item));
    g_pages[page] = Child(g_tabs, WS_EX_CONTROLPARENT, "STATIC", "",
                          SS_NOTIFY | (page == 0 ? WS_VISIBLE : 0), 4, 24, 745, 365);
  }

  HWND modes = g_pages[0];
  Child(modes, 0, "BUTTON", "Share Mode List", WS_VISIBLE | BS_GROUPBOX, 8, 8, 593, 97);
  const char* const options[] = {"Stop Share", "Zendry Share", "Normal Share"};
  for (int option = 0; option < 3; ++option) {
    HWND radio = Child(modes, 0, "BUTTON", options[option],
                       WS_VISIBLE | BS_AUTORADIOBUTTON | (option == 0 ? WS_GROUP : 0),
                       24 + option * 190, 48, 180, 20);
    if (option == 1) SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
  }
  PictureButton(modes, "Apply", "PICTURE_APPLY", 608, 16, 129, 89);
  HWND description = Child(modes, 0, RICHEDIT_CLASSA, "",
                           WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 8, 112, 729, 249);
  LoadDescription(description);

  HWND folders = g_pages[1];
  const char* const folderColumns[] = {"Share Name", "Folder Path", "# of Connections",
                                       "Description"};
  HWND folderList = ReportList(folders, 617, folderColumns);
  HWND hint = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                              window, nullptr, instance, nullptr);
  TOOLINFOA tool = {};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = folders;
  tool.uId = reinterpret_cast<UINT_PTR>(folderList);
  tool.lpszText = const_cast<char*>(
      "The Share Names ended with '$' are used by MS-Windows itself, so don't stop share them!");
  SendMessageA(hint, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  PictureButton(folders, "Refresh", "PICTURE_REFRESH", 624, 48, 113, 25);
  PictureButton(folders, "Stop Share", "PICTURE_STOPSHARE", 624, 160, 113, 25);
  PictureButton(folders, "Access...", "PICTURE_FILE", 624, 212, 113, 25);
  PictureButton(folders, "New Share", "PICTURE_NEWSHARE", 624, 264, 113, 25);

  HWND sessions = g_pages[2];
  const char* const sessionColumns[] = {"Client PC", "User", "Active Time", "Idle Time"};
  ReportList(sessions, 601, sessionColumns);
  PictureButton(sessions, "Refresh", "PICTURE_REFRESH", 624, 40, 89, 25);
  PictureButton(sessions, "Disconnect", "PICTURE_STOPSHARE", 624, 80, 89, 25);
  PictureButton(sessions, "Open Files", "PICTURE_FILE", 624, 120, 89, 25);

  char computer[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD size = sizeof(computer);
  if (!GetComputerNameA(computer, &size)) computer[0] = '\0';
  Child(window, 0, "STATIC", computer, WS_VISIBLE, 0, 408, 300, 16);
  Child(window, 0, "STATIC", "www.example.com", WS_VISIBLE | SS_NOTIFY, 600, 404, 150, 16);
  Child(window, 0, "EDIT", "", ES_MULTILINE | ES_READONLY, 0, 0, 0, 0);

  // In the order of Plinvo's start-up: the window and its controls are made first, the
  // sequence runs, and the window shows once it is over.
  if (std::strstr(commandLine, "/startup") != nullptr) {
    RunTool("sc config Browser start= AUTO", true);
    RunTool("sc start Browser", false);
    Sleep(1000);
    RunTool("cscript netbios.vbs", true);
  }
  ShowWindow(window, show);
  UpdateWindow(window);
  return anchor::RunMessageLoop(window);
}
