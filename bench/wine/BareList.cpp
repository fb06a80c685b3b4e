// The benchmark's baseline: the least a program can do to show the same rows. A window with a
// plain report list and a "Refresh" button; each press reads the rows file (named on the command
// line, else rows.txt in the current folder: one row a line, cells split by tabs, in the order
// shown) and refills the list with redrawing off, as a straightforward program would. Never
// shipped.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kListId = 100;
constexpr int kRefreshId = 101;
const int kWidths[] = {150, 250, 120, 250};

std::string g_rowsFile;
HWND g_list = nullptr;

std::vector<std::vector<std::string>> ReadRows() {
  std::vector<std::vector<std::string>> rows;
  FILE* file = std::fopen(g_rowsFile.c_str(), "rb");
  if (file == nullptr) return rows;
  std::string text;
  char chunk[65536];
  for (size_t read; (read = std::fread(chunk, 1, sizeof(chunk), file)) > 0;)
    text.append(chunk, read);
  std::fclose(file);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::vector<std::string> cells;
    size_t cell = start;
    for (;;) {
      const size_t tab = text.find('\t', cell);
      if (tab == std::string::npos || tab > end) {
        cells.push_back(text.substr(cell, end - cell));
        break;
      }
      cells.push_back(text.substr(cell, tab - cell));
      cell = tab + 1;
    }
    if (end > start) rows.push_back(std::move(cells));
    start = end + 1;
  }
  return rows;
}

void Refresh() {
  const std::vector<std::vector<std::string>> rows = ReadRows();
  SendMessageA(g_list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(g_list, LVM_DELETEALLITEMS, 0, 0);
  for (size_t row = 0; row < rows.size(); ++row) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(row);
    item.pszText = const_cast<char*>(rows[row][0].c_str());
    const int index =
        static_cast<int>(SendMessageA(g_list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (size_t column = 1; column < rows[row].size() && column < 4; ++column) {
      LVITEMA cell = {};
      cell.iSubItem = static_cast<int>(column);
      cell.pszText = const_cast<char*>(rows[row][column].c_str());
      SendMessageA(g_list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&cell));
    }
  }
  SendMessageA(g_list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(g_list, nullptr, TRUE);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kRefreshId) Refresh();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_rowsFile = commandLine;
  if (!g_rowsFile.empty() && g_rowsFile.front() == '"') {
    g_rowsFile = g_rowsFile.substr(1, g_rowsFile.find('"', 1) - 1);
  }
  if (g_rowsFile.empty()) g_rowsFile = "rows.txt";  // in the current folder
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "BareList";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "BareList", "Bare List", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                800, 460, nullptr, nullptr, instance, nullptr);
  g_list = CreateWindowExA(
      WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
      WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 8, 8, 770, 360,
      window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), instance, nullptr);
  CreateWindowExA(0, "BUTTON", "Refresh", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 8, 380, 90, 25,
                  window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRefreshId)), instance,
                  nullptr);
  for (int column = 0; column < 4; ++column) {
    LVCOLUMNA info = {};
    info.mask = LVCF_TEXT | LVCF_WIDTH;
    info.cx = kWidths[column];
    info.pszText = const_cast<char*>("");
    SendMessageA(g_list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
  }
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
