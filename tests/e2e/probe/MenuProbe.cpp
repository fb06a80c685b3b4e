// Runs inside the program under test: reads its menu bar and measures its captions for the
// driver (see MenuQuery.h).
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstdio>
#include <cstring>
#include <string>

#include "../driver/MenuQuery.h"

namespace {

void Append(e2e::MenuQuery& q, const char* line) {
  const size_t used = std::strlen(q.text);
  const size_t room = sizeof(q.text) - used - 1;
  std::strncat(q.text + used, line, room);
}

void Walk(HMENU menu, int depth, e2e::MenuQuery& q) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[1024] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof(text) - 1;
    if (!GetMenuItemInfoA(menu, i, TRUE, &info)) continue;
    if (info.hSubMenu == nullptr && q.id != 0 && info.wID == q.id) {
      q.found = 1;
      q.state = info.fState;
    }
    char line[1200];
    std::snprintf(line, sizeof(line), "%d:%u:%s:%s\n", depth, info.wID,
                  (info.fState & MFS_GRAYED) != 0 ? "grayed" : "enabled",
                  (info.fType & MFT_SEPARATOR) != 0 ? "-" : text);
    Append(q, line);
    if (info.hSubMenu != nullptr) Walk(info.hSubMenu, depth + 1, q);
  }
}

SIZE Extent(HWND window, HFONT font, const std::string& text) {
  std::string shown;
  for (size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '&' && at + 1 < text.size()) ++at;  // an access-key mark takes no room
    shown += text[at];
  }
  SIZE size = {0, 0};
  HDC dc = GetDC(window);
  HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
  GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
  TEXTMETRICA metrics;
  if (GetTextMetricsA(dc, &metrics)) size.cy = metrics.tmHeight;
  if (previous != nullptr) SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return size;
}

void AddMeasure(e2e::MenuQuery& q, const char* kind, int id, int width, int height, SIZE text,
                int room, const std::string& caption) {
  char line[600];
  std::snprintf(line, sizeof(line), "%s:%d:%d:%d:%ld:%ld:%d:%.400s\n", kind, id, width, height,
                text.cx, text.cy, room, caption.c_str());
  Append(q, line);
}

// The picture a push button shows beside its caption, with its margins; 0 without one.
int PictureRoom(HWND button) {
  BUTTON_IMAGELIST shown = {};
  if (!SendMessageA(button, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&shown)) ||
      shown.himl == nullptr) {
    return 0;
  }
  using IconSize = BOOL(WINAPI*)(HIMAGELIST, int*, int*);
  auto iconSize = reinterpret_cast<IconSize>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("comctl32.dll"), "ImageList_GetIconSize")));
  int cx = 0;
  int cy = 0;
  if (iconSize == nullptr || !iconSize(shown.himl, &cx, &cy)) return 0;
  return cx + shown.margin.left + shown.margin.right;
}

BOOL CALLBACK MeasureControl(HWND control, LPARAM queryAddress) {
  e2e::MenuQuery& q = *reinterpret_cast<e2e::MenuQuery*>(queryAddress);
  if (!IsWindowVisible(control)) return TRUE;
  char windowClass[64] = {};
  GetClassNameA(control, windowClass, sizeof(windowClass));
  char caption[512] = {};
  GetWindowTextA(control, caption, sizeof(caption));
  RECT r;
  GetWindowRect(control, &r);
  const int id = GetDlgCtrlID(control);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  if (lstrcmpiA(windowClass, "Button") == 0) {
    const LONG type = style & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
      AddMeasure(q, "button", id, r.right - r.left, r.bottom - r.top,
                 Extent(control, font, caption), PictureRoom(control), caption);
    } else if (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON) {
      AddMeasure(q, "option", id, r.right - r.left, r.bottom - r.top,
                 Extent(control, font, caption), MulDiv(13, dpi, 96) + 3, caption);
    }
  } else if (lstrcmpiA(windowClass, "Static") == 0 && caption[0] != '\0') {
    AddMeasure(q, "label", id, r.right - r.left, r.bottom - r.top, Extent(control, font, caption),
               0, caption);
  } else if (lstrcmpiA(windowClass, WC_LISTVIEWA) == 0) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(control, LVM_GETHEADER, 0, 0));
    HFONT headerFont = reinterpret_cast<HFONT>(SendMessageA(header, WM_GETFONT, 0, 0));
    const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < count; ++column) {
      char text[256] = {};
      HDITEMA item = {};
      item.mask = HDI_TEXT;
      item.pszText = text;
      item.cchTextMax = sizeof(text);
      SendMessageA(header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
      const int width = static_cast<int>(SendMessageA(control, LVM_GETCOLUMNWIDTH, column, 0));
      SIZE widest = Extent(header, headerFont, text);
      // The cells too: the first column's beside the row's picture.
      const bool pictures = SendMessageA(control, LVM_GETIMAGELIST, LVSIL_SMALL, 0) != 0;
      const int rows = static_cast<int>(SendMessageA(control, LVM_GETITEMCOUNT, 0, 0));
      for (int row = 0; row < rows && row < 200; ++row) {
        char cell[512] = {};
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = cell;
        item.cchTextMax = sizeof(cell);
        SendMessageA(control, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        SIZE size = Extent(control, font, cell);
        if (column == 0 && pictures) size.cx += GetSystemMetrics(SM_CXSMICON);
        if (size.cx > widest.cx) widest.cx = size.cx;
      }
      // The header keeps three edges free on either side of a caption, a cell about as much.
      AddMeasure(q, "column", id, width, 0, widest, 6 * GetSystemMetrics(SM_CXEDGE), text);
    }
  }
  return TRUE;
}

}  // namespace

// A message hook of the program's user-interface thread: it reads the menu when the driver's
// message comes off the queue, on the thread that owns the menu and between two of its messages,
// so it never runs beside the program's own work.
extern "C" __declspec(dllexport) LRESULT CALLBACK
    E2eMenuHook(int code, WPARAM removed, LPARAM message) {
  static const UINT ask = RegisterWindowMessageA(e2e::kMenuProbeMessage);
  MSG& m = *reinterpret_cast<MSG*>(message);
  if (code == HC_ACTION && removed == PM_REMOVE && m.message == ask && ask != 0) {
    e2e::MenuQuery& q = *reinterpret_cast<e2e::MenuQuery*>(m.lParam);
    q.text[0] = '\0';
    q.found = 0;
    if (q.operation == e2e::kMeasureCaptions) {
      EnumChildWindows(q.window, &MeasureControl, reinterpret_cast<LPARAM>(&q));
      q.done = 1;
    } else {
      HMENU bar = GetMenu(q.window);
      if (bar != nullptr) Walk(bar, 0, q);
      q.done = bar != nullptr ? 1 : 2;
    }
    m.message = WM_NULL;  // not for the program
  }
  return CallNextHookEx(nullptr, code, removed, message);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
