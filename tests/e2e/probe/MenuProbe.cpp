// Runs inside the program under test: reads its menu bar for the driver (see MenuQuery.h).
#include <cstdio>
#include <cstring>

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
    HMENU bar = GetMenu(q.window);
    if (bar != nullptr) Walk(bar, 0, q);
    q.done = bar != nullptr ? 1 : 2;
    m.message = WM_NULL;  // not for the program
  }
  return CallNextHookEx(nullptr, code, removed, message);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
