// The sharing-check benchmark's anchor: a bare dialog filling the same rows. Its window has one
// command (2002, as Plinvo's "Check Sharing..."), which opens a modal dialog "Bare Check" with a
// report list (three columns, a picture per row), an explanation field, four buttons and a
// status line; the dialog reads the rows (one a line: three cells and the picture's number,
// split by tabs) from the file named on the command line and fills the list with redrawing
// off, then fits the columns to their texts. Never shipped.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "AnchorWindow.h"

namespace {

constexpr int kCheckCommand = 2002;
constexpr int kListId = 1300;
std::string g_rowsFile;
HFONT g_font = nullptr;

std::vector<std::vector<std::string>> ReadRows() {
  std::vector<std::vector<std::string>> rows;
  FILE* file = std::fopen(g_rowsFile.c_str(), "rb");
  if (file == nullptr) return rows;
  char line[4096];
  while (std::fgets(line, sizeof(line), file) != nullptr) {
    std::vector<std::string> cells(1);
    for (const char* at = line; *at != '\0' && *at != '\n' && *at != '\r'; ++at) {
      if (*at == '\t') {
        cells.emplace_back();
      } else {
        cells.back() += *at;
      }
    }
    cells.resize(4);
    rows.push_back(cells);
  }
  std::fclose(file);
  return rows;
}

HWND Child(HWND parent, DWORD exStyle, const char* className, const char* text, DWORD style, int x,
           int y, int width, int height, int id = 0) {
  HWND window = CreateWindowExA(
      exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
  return window;
}

void Fill(HWND dialog) {
  HWND list =
      Child(dialog, WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
            WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 8, 8, 624, 244, kListId);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  HIMAGELIST pictures = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 0);
  for (const char* name :
       {"PICTURE_HOLDS", "PICTURE_BLOCKS", "PICTURE_NOTICE", "PICTURE_UNCHECKED"}) {
    HICON icon =
        static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, 16, 16, 0));
    ImageList_ReplaceIcon(pictures, -1, icon);
    DestroyIcon(icon);
  }
  SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(pictures));
  const char* const captions[] = {"What", "Found", "Needed"};
  const int widths[] = {200, 200, 200};
  anchor::AddColumns(list, captions, widths, 3);
  Child(dialog, WS_EX_CLIENTEDGE, "EDIT", "Select a row to read what it means for visitors.",
        ES_MULTILINE | ES_READONLY | WS_VSCROLL, 8, 260, 624, 112);
  Child(dialog, 0, "BUTTON", "Fix", WS_TABSTOP | WS_DISABLED, 8, 384, 97, 25);
  Child(dialog, 0, "BUTTON", "Check Again", WS_TABSTOP, 113, 384, 97, 25);
  Child(dialog, 0, "BUTTON", "Copy Report", WS_TABSTOP, 218, 384, 97, 25);
  Child(dialog, 0, "BUTTON", "Close", WS_TABSTOP, 535, 384, 97, 25, IDCANCEL);
  Child(dialog, 0, "STATIC", "", 0, 323, 390, 204, 15);

  const std::vector<std::vector<std::string>> rows = ReadRows();
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  for (size_t row = 0; row < rows.size(); ++row) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = static_cast<int>(row);
    item.pszText = const_cast<char*>(rows[row][0].c_str());
    item.iImage = std::atoi(rows[row][3].c_str());
    const int index =
        static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (int column = 1; column < 3; ++column) {
      LVITEMA cell = {};
      cell.iSubItem = column;
      cell.pszText = const_cast<char*>(rows[row][column].c_str());
      SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&cell));
    }
  }
  for (int column = 0; column < 3; ++column) {
    SendMessageA(list, LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE_USEHEADER);
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Fill(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
      return TRUE;
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

void ShowCheck(HWND owner) {
  // An empty dialog template: the dialog makes its controls itself.
  struct {
    DLGTEMPLATE header;
    WORD menu, windowClass;
    wchar_t title[11];
  } dialogTemplate = {};
  dialogTemplate.header.style = DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  // Dialog units: about 640 x 418 pixels with the default font.
  dialogTemplate.header.cx = 427;
  dialogTemplate.header.cy = 340;
  lstrcpyW(dialogTemplate.title, L"Bare Check");
  DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &dialogTemplate.header, owner,
                          &DialogProcedure, 0);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COMMAND) return anchor::Otherwise(window, message, wParam, lParam);
  if (LOWORD(wParam) == kCheckCommand) ShowCheck(window);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_rowsFile = commandLine;
  if (!g_rowsFile.empty() && g_rowsFile.front() == '"') {
    g_rowsFile = g_rowsFile.substr(1, g_rowsFile.find('"', 1) - 1);
  }
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  g_font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  anchor::RegisterWindowClass(instance, "BareCheckOwner", &Procedure);
  CreateWindowExA(0, "BareCheckOwner", "Bare Check Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                  300, 200, nullptr, nullptr, instance, nullptr);
  return anchor::RunMessageLoop();
}
