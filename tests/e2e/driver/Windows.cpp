#include "Windows.h"

#include <cstdio>
#include <cstdlib>

namespace e2e {

std::string ClassOf(HWND hwnd) {
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof(name));
  return name;
}

std::string CaptionOf(HWND hwnd) {
  char text[1024] = {};
  GetWindowTextA(hwnd, text, sizeof(text));
  return text;
}

std::string HexHandle(HWND hwnd) {
  char text[32];
  std::snprintf(text, sizeof(text), "0x%lx",
                static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(hwnd)));
  return text;
}

bool IsMessageBox(HWND hwnd) {
  return ClassOf(hwnd) == "#32770" && GetDlgItem(hwnd, 0xFFFF) != nullptr;
}

namespace {

struct Collect {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM param) {
  Collect* c = reinterpret_cast<Collect*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (c->pid == 0 || pid == c->pid) c->found.push_back(hwnd);
  return TRUE;
}

struct FindId {
  int id;
  HWND found;
};

BOOL CALLBACK FindChildId(HWND hwnd, LPARAM param) {
  FindId* f = reinterpret_cast<FindId*>(param);
  if (GetDlgCtrlID(hwnd) == f->id) {
    f->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(const Target& target) {
  Collect c{target.pid, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&c));
  return c.found;
}

std::vector<HWND> VisibleMessageBoxes(const Target& target) {
  std::vector<HWND> boxes;
  for (HWND h : TopLevelWindows(target)) {
    if (IsWindowVisible(h) && IsMessageBox(h)) boxes.push_back(h);
  }
  return boxes;
}

HWND FindWindowNamed(const Target& target, const std::string& name, bool visibleOnly) {
  if (name.rfind("hwnd:", 0) == 0) {
    HWND h =
        reinterpret_cast<HWND>(static_cast<ULONG_PTR>(std::strtoul(name.c_str() + 5, nullptr, 16)));
    if (!IsWindow(h) || (visibleOnly && !IsWindowVisible(h))) return nullptr;
    return h;
  }
  HWND hidden = nullptr;
  for (HWND h : TopLevelWindows(target)) {
    if (CaptionOf(h) != name || IsMessageBox(h)) continue;
    if (IsWindowVisible(h)) return h;
    if (hidden == nullptr) hidden = h;
  }
  return visibleOnly ? nullptr : hidden;
}

HWND FindControl(HWND top, int id) {
  FindId f{id, nullptr};
  EnumChildWindows(top, FindChildId, reinterpret_cast<LPARAM>(&f));
  return f.found;
}

bool SendWithin(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result, UINT ms) {
  DWORD_PTR r = 0;
  // No SMTO_ABORTIFHUNG: on a loaded machine a program still busy with its start-up counts as
  // "hung" after a few seconds and the question would fail at once instead of waiting.
  if (!SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_NORMAL, ms, &r)) return false;
  result = static_cast<LRESULT>(r);
  return true;
}

void Settle(HWND hwnd) {
  // Each empty question is answered only once the program is back at its message loop, after
  // whatever it took off its queue in the pause before; three rounds outlast a busy machine.
  for (int pass = 0; pass < 3; ++pass) {
    Sleep(40);
    LRESULT ignored = 0;
    SendWithin(hwnd, WM_NULL, 0, 0, ignored, 1000);
  }
}

bool ControlText(HWND hwnd, std::string& text) {
  LRESULT length = 0;
  if (!SendWithin(hwnd, WM_GETTEXTLENGTH, 0, 0, length)) return false;
  std::string buffer(static_cast<size_t>(length) + 2, '\0');
  LRESULT copied = 0;
  if (!SendWithin(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(&buffer[0]), copied)) {
    return false;
  }
  text.assign(buffer.c_str());
  return true;
}

}  // namespace e2e
