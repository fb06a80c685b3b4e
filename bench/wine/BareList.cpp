// The list benchmark's anchor: the least a program does to show the shares or sessions of the
// share service in a report list. A window with an owner-data report list (four columns) and two
// buttons; "Shares" (and "Sessions") enumerate the service portion by portion, keep each row's
// texts in the code page (the shares ending in "$" first, in reverse order, as Plinvo shows
// them), and tell the list the new count. The service is netapi32.dll of the system folder,
// loaded by its full path (in the benchmark, the end-to-end share-service double). Never
// shipped.
#include "AnchorWindow.h"
// after windows.h, which it needs
#include <lm.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kListId = 100;
constexpr int kSharesId = 101;
constexpr int kSessionsId = 102;
const int kWidths[] = {150, 250, 120, 250};

using ShareEnum = decltype(&::NetShareEnum);
using SessionEnum = decltype(&::NetSessionEnum);
using BufferFree = decltype(&::NetApiBufferFree);

HWND g_list = nullptr;

template <class Function>
Function Entry(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

HMODULE g_service = nullptr;
// One row's cells, each ended by a zero.
std::vector<std::string> g_rows;

std::string Ansi(const wchar_t* text) {
  if (text == nullptr) return std::string();
  char buffer[1024];
  const int size =
      WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof(buffer), nullptr, nullptr);
  return std::string(buffer, size > 0 ? size - 1 : 0);
}

std::string Row(const std::string& a, const std::string& b, const std::string& c,
                const std::string& d) {
  std::string row;
  row.reserve(a.size() + b.size() + c.size() + d.size() + 4);
  row.append(a).append(1, '\0').append(b).append(1, '\0').append(c).append(1, '\0').append(d);
  row.append(1, '\0');
  return row;
}

std::string Clock(DWORD seconds) {
  char text[16];
  std::snprintf(text, sizeof(text), "%02lu:%02lu:%02lu", seconds / 3600, seconds % 3600 / 60,
                seconds % 60);
  return text;
}

void Shares() {
  const auto enumerate = Entry<ShareEnum>(g_service, "NetShareEnum");
  const auto release = Entry<BufferFree>(g_service, "NetApiBufferFree");
  std::vector<std::string> system;
  std::vector<std::string> other;
  DWORD resume = 0;
  for (;;) {
    BYTE* buffer = nullptr;
    DWORD read = 0;
    DWORD total = 0;
    const NET_API_STATUS result =
        enumerate(nullptr, 502, &buffer, MAX_PREFERRED_LENGTH, &read, &total, &resume);
    if (result != NERR_Success && result != ERROR_MORE_DATA) break;
    const auto* shares = reinterpret_cast<const SHARE_INFO_502*>(buffer);
    for (DWORD index = 0; index < read; ++index) {
      const std::string name = Ansi(shares[index].shi502_netname);
      std::string row =
          Row(name, Ansi(shares[index].shi502_path),
              std::to_string(shares[index].shi502_current_uses), Ansi(shares[index].shi502_remark));
      (!name.empty() && name.back() == '$' ? system : other).push_back(std::move(row));
    }
    release(buffer);
    if (result != ERROR_MORE_DATA) break;
  }
  g_rows.assign(system.rbegin(), system.rend());
  g_rows.insert(g_rows.end(), std::make_move_iterator(other.begin()),
                std::make_move_iterator(other.end()));
}

void Sessions() {
  const auto enumerate = Entry<SessionEnum>(g_service, "NetSessionEnum");
  const auto release = Entry<BufferFree>(g_service, "NetApiBufferFree");
  g_rows.clear();
  DWORD resume = 0;
  for (;;) {
    BYTE* buffer = nullptr;
    DWORD read = 0;
    DWORD total = 0;
    const NET_API_STATUS result = enumerate(nullptr, nullptr, nullptr, 10, &buffer,
                                            MAX_PREFERRED_LENGTH, &read, &total, &resume);
    if (result != NERR_Success && result != ERROR_MORE_DATA) break;
    const auto* sessions = reinterpret_cast<const SESSION_INFO_10*>(buffer);
    for (DWORD index = 0; index < read; ++index) {
      g_rows.push_back(
          Row(Ansi(sessions[index].sesi10_cname), Ansi(sessions[index].sesi10_username),
              Clock(sessions[index].sesi10_time), Clock(sessions[index].sesi10_idle_time)));
    }
    release(buffer);
    if (result != ERROR_MORE_DATA) break;
  }
}

void Refresh(bool shares) {
  SendMessageA(g_list, WM_SETREDRAW, FALSE, 0);
  shares ? Shares() : Sessions();
  SendMessageA(g_list, LVM_SETITEMCOUNT, g_rows.size(), 0);
  SendMessageA(g_list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(g_list, nullptr, TRUE);
}

const char* CellText(int row, int column) {
  if (row < 0 || static_cast<size_t>(row) >= g_rows.size()) return "";
  const char* text = g_rows[row].c_str();
  for (int skipped = 0; skipped < column; ++skipped) text += std::strlen(text) + 1;
  return text;
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kSharesId || LOWORD(wParam) == kSessionsId) {
        Refresh(LOWORD(wParam) == kSharesId);
      }
      return 0;
    case WM_NOTIFY: {
      auto* info = reinterpret_cast<NMLVDISPINFOA*>(lParam);
      if (info->hdr.code == LVN_GETDISPINFOA && (info->item.mask & LVIF_TEXT) != 0) {
        lstrcpynA(info->item.pszText, CellText(info->item.iItem, info->item.iSubItem),
                  info->item.cchTextMax);
      }
      return 0;
    }
    default:
      return anchor::Otherwise(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  g_service = LoadLibraryA((std::string(system) + "\\netapi32.dll").c_str());
  if (g_service == nullptr) return 1;
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  anchor::RegisterWindowClass(instance, "BareList", &Procedure);
  HWND window = CreateWindowExA(0, "BareList", "Bare List", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                800, 460, nullptr, nullptr, instance, nullptr);
  g_list = CreateWindowExA(
      WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
      WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA, 8, 8,
      770, 360, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), instance, nullptr);
  CreateWindowExA(0, "BUTTON", "Shares", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 8, 380, 90, 25,
                  window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSharesId)), instance,
                  nullptr);
  CreateWindowExA(0, "BUTTON", "Sessions", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 108, 380, 90, 25,
                  window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSessionsId)), instance,
                  nullptr);
  const char* const captions[] = {"", "", "", ""};
  anchor::AddColumns(g_list, captions, kWidths, 4);
  return anchor::RunMessageLoop();
}
