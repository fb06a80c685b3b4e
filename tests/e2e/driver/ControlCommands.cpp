// Commands on the controls inside a window: buttons, fields, pages, lists and the menu.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <cstdio>

#include "Driver.h"
#include "RemoteMenu.h"

namespace e2e {

namespace {

std::string Number(long value) {
  char text[32];
  std::snprintf(text, sizeof(text), "%ld", value);
  return text;
}

Answer Flag(bool value) { return Answer::Ok({value ? "1" : "0"}); }

// The process that owns a window, opened for reading and writing its memory.
HANDLE OpenOwner(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
}

// A user can act only on a control that is shown and enabled.
bool Usable(HWND h, std::string& error) {
  if (!IsWindowVisible(h)) {
    error = "not visible";
    return false;
  }
  if (!IsWindowEnabled(h)) {
    error = "disabled";
    return false;
  }
  return true;
}

void PostMouseClick(HWND h, int x, int y) {
  const LPARAM at = MAKELPARAM(x, y);
  PostMessageA(h, WM_MOUSEMOVE, 0, at);
  PostMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(h, WM_LBUTTONUP, 0, at);
}

const size_t kTextSize = 1024;

}  // namespace

Answer Driver::Click(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr || !Usable(h, error)) return Answer::Err(error);
  // Posted, not sent: the handler may open a modal box and would hold a sent message.
  if (_stricmp(ClassOf(h).c_str(), "Button") == 0) {
    PostMessageA(h, BM_CLICK, 0, 0);
  } else {
    RECT r;
    GetClientRect(h, &r);
    PostMouseClick(h, r.right / 2, r.bottom / 2);
  }
  Settle(h);
  return Answer::Ok();
}

Answer Driver::Type(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr || !Usable(h, error)) return Answer::Err(error);
  if (_stricmp(ClassOf(h).c_str(), "Edit") == 0 &&
      (GetWindowLongA(h, GWL_STYLE) & ES_READONLY) != 0) {
    return Answer::Err("read-only");
  }
  LRESULT done = 0;
  if (!SendWithin(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a[2].c_str()), done) || !done) {
    return Answer::Err("the control refused the text");
  }
  return Answer::Ok();
}

Answer Driver::GetText(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr) return Answer::Err(error);
  std::string text;
  if (!ControlText(h, text)) return Answer::Err("no answer");
  return Answer::Ok({text});
}

Answer Driver::ClipboardText(const Words&) {
  // The clipboard is the window station's, so another process reads what the program put there.
  if (!OpenClipboard(nullptr)) return Answer::Err("clipboard busy");
  HANDLE data = GetClipboardData(CF_TEXT);
  const char* bytes = data == nullptr ? nullptr : static_cast<const char*>(GlobalLock(data));
  if (bytes == nullptr) {
    CloseClipboard();
    return Answer::Err("no text");
  }
  std::string text(bytes, strnlen(bytes, GlobalSize(data)));
  GlobalUnlock(data);
  CloseClipboard();
  return Answer::Ok({text});
}

Answer Driver::IsEnabled(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr) return Answer::Err(error);
  return Flag(IsWindowEnabled(h) != FALSE);
}

Answer Driver::IsVisible(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr) return Answer::Err(error);
  return Flag(IsWindowVisible(h) != FALSE);
}

Answer Driver::IsChecked(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr) return Answer::Err(error);
  LRESULT state = 0;
  if (!SendWithin(h, BM_GETCHECK, 0, 0, state)) return Answer::Err("no answer");
  return Flag(state == BST_CHECKED);
}

// Whether a push button shows a picture beside its caption (an image list set on it).
Answer Driver::HasPicture(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr) return Answer::Err(error);
  KernelHandle process(OpenOwner(h));
  RemoteBlock block(process.Get(), sizeof(BUTTON_IMAGELIST));
  BUTTON_IMAGELIST shown = {};
  LRESULT ok = 0;
  if (!block.Valid() || !block.Write(0, &shown, sizeof(shown)) ||
      !SendWithin(h, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(block.Address()), ok) ||
      !block.Read(0, &shown, sizeof(shown))) {
    return Answer::Err("no answer");
  }
  return Flag(ok && shown.himl != nullptr);
}

Answer Driver::ControlRect(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr) return Answer::Err(error);
  HWND top = Window(a[0], error);
  RECT r;
  GetWindowRect(h, &r);
  MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&r), 2);
  return Answer::Ok(
      {Number(r.left), Number(r.top), Number(r.right - r.left), Number(r.bottom - r.top)});
}

Answer Driver::ControlClass(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr) return Answer::Err(error);
  return Answer::Ok({ClassOf(h)});
}

// ---- Tabbed pages ----

Answer Driver::SelectTab(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr || !Usable(h, error)) return Answer::Err(error);
  long index = 0;
  LRESULT count = 0;
  if (!ParseNumber(a[2], index) || !SendWithin(h, TCM_GETITEMCOUNT, 0, 0, count) || index < 0 ||
      index >= count) {
    return Answer::Err("no tab " + a[2]);
  }
  // Click on the tab, so that the control tells its parent as it does for a user.
  KernelHandle process(OpenOwner(h));
  RemoteBlock block(process.Get(), sizeof(RECT));
  LRESULT found = 0;
  RECT r = {};
  if (!block.Valid() ||
      !SendWithin(h, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(block.Address()), found) ||
      !found || !block.Read(0, &r, sizeof(r))) {
    return Answer::Err("cannot locate tab " + a[2]);
  }
  PostMouseClick(h, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  const DWORD start = GetTickCount();
  LRESULT current = -1;
  while (GetTickCount() - start < 5000) {
    if (SendWithin(h, TCM_GETCURSEL, 0, 0, current) && current == index) return Answer::Ok();
    Sleep(50);
  }
  return Answer::Err("tab " + a[2] + " not selected");
}

Answer Driver::TabIndex(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr) return Answer::Err(error);
  LRESULT current = -1;
  if (!SendWithin(h, TCM_GETCURSEL, 0, 0, current)) return Answer::Err("no answer");
  return Answer::Ok({Number(static_cast<long>(current))});
}

Answer Driver::TabCaptions(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr) return Answer::Err(error);
  LRESULT count = 0;
  if (!SendWithin(h, TCM_GETITEMCOUNT, 0, 0, count)) return Answer::Err("no answer");
  KernelHandle process(OpenOwner(h));
  RemoteBlock block(process.Get(), sizeof(TCITEMA) + kTextSize);
  if (!block.Valid()) return Answer::Err("cannot reach the program's memory");
  std::vector<std::string> captions;
  for (LRESULT i = 0; i < count; ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = block.Address() + sizeof(TCITEMA);
    item.cchTextMax = kTextSize;
    const char empty = '\0';
    LRESULT ok = 0;
    if (!block.Write(0, &item, sizeof(item)) || !block.Write(sizeof(TCITEMA), &empty, 1) ||
        !SendWithin(h, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(block.Address()), ok) || !ok ||
        !block.Read(0, &item, sizeof(item))) {
      return Answer::Err("cannot read tab " + Number(static_cast<long>(i)));
    }
    // The control may answer with a pointer to its own copy of the text.
    captions.push_back(
        block.ReadString(static_cast<size_t>(item.pszText - block.Address()), kTextSize - 1));
  }
  return Answer::Ok(captions);
}

// ---- Report-style lists ----

Answer Driver::ListRows(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr) return Answer::Err(error);
  LRESULT rows = 0;
  LRESULT header = 0;
  LRESULT columns = 0;
  if (!SendWithin(h, LVM_GETITEMCOUNT, 0, 0, rows) || !SendWithin(h, LVM_GETHEADER, 0, 0, header) ||
      header == 0 || !SendWithin(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT, 0, 0, columns)) {
    return Answer::Err("not a report list");
  }
  KernelHandle process(OpenOwner(h));
  RemoteBlock block(process.Get(), sizeof(LVITEMA) + kTextSize);
  if (!block.Valid()) return Answer::Err("cannot reach the program's memory");
  std::vector<std::string> fields = {Number(static_cast<long>(rows)),
                                     Number(static_cast<long>(columns))};
  for (LRESULT row = 0; row < rows; ++row) {
    for (LRESULT column = 0; column < columns; ++column) {
      LVITEMA item = {};
      item.mask = LVIF_TEXT;
      item.iSubItem = static_cast<int>(column);
      item.pszText = block.Address() + sizeof(LVITEMA);
      item.cchTextMax = kTextSize;
      const char empty = '\0';
      LRESULT length = 0;
      if (!block.Write(0, &item, sizeof(item)) || !block.Write(sizeof(LVITEMA), &empty, 1) ||
          !SendWithin(h, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(block.Address()),
                      length)) {
        return Answer::Err("cannot read row " + Number(static_cast<long>(row)));
      }
      fields.push_back(block.ReadString(sizeof(LVITEMA), kTextSize - 1));
    }
  }
  return Answer::Ok(fields);
}

Answer Driver::ListColumns(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr) return Answer::Err(error);
  KernelHandle process(OpenOwner(h));
  RemoteBlock block(process.Get(), sizeof(LVCOLUMNA) + kTextSize);
  if (!block.Valid()) return Answer::Err("cannot reach the program's memory");
  std::vector<std::string> fields;
  for (int column = 0;; ++column) {
    LVCOLUMNA item = {};
    item.mask = LVCF_TEXT | LVCF_WIDTH;
    item.pszText = block.Address() + sizeof(LVCOLUMNA);
    item.cchTextMax = kTextSize;
    const char empty = '\0';
    LRESULT ok = 0;
    if (!block.Write(0, &item, sizeof(item)) || !block.Write(sizeof(LVCOLUMNA), &empty, 1) ||
        !SendWithin(h, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(block.Address()), ok)) {
      return Answer::Err("no answer");
    }
    if (!ok) break;  // past the last column
    block.Read(0, &item, sizeof(item));
    fields.push_back(
        block.ReadString(static_cast<size_t>(item.pszText - block.Address()), kTextSize - 1));
    fields.push_back(Number(item.cx));
  }
  return Answer::Ok(fields);
}

Answer Driver::ListSelect(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr || !Usable(h, error)) return Answer::Err(error);
  long row = 0;
  LRESULT rows = 0;
  if (!ParseNumber(a[2], row) || !SendWithin(h, LVM_GETITEMCOUNT, 0, 0, rows) || row < 0 ||
      row >= rows) {
    return Answer::Err("no row " + a[2]);
  }
  KernelHandle process(OpenOwner(h));
  RemoteBlock block(process.Get(), sizeof(LVITEMA));
  if (!block.Valid()) return Answer::Err("cannot reach the program's memory");
  // As a click does: the other rows lose the selection, this one gets it and the focus.
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  LRESULT ok = 0;
  if (!block.Write(0, &item, sizeof(item)) ||
      !SendWithin(h, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                  reinterpret_cast<LPARAM>(block.Address()), ok)) {
    return Answer::Err("no answer");
  }
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  if (!block.Write(0, &item, sizeof(item)) ||
      !SendWithin(h, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(block.Address()), ok) || !ok) {
    return Answer::Err("cannot select row " + a[2]);
  }
  SendWithin(h, LVM_ENSUREVISIBLE, row, FALSE, ok);
  return Answer::Ok();
}

Answer Driver::ListSelection(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr) return Answer::Err(error);
  LRESULT row = -1;
  if (!SendWithin(h, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED, row)) {
    return Answer::Err("no answer");
  }
  return Answer::Ok({Number(static_cast<long>(row))});
}

// Types characters into a control, one WM_CHAR each (a list then finds the row whose name starts
// with them). Each is sent, not posted: a command that looks next is itself a sent message, and a
// busy program answers sent messages before it takes posted ones, so it would look too early.
Answer Driver::TypeKeys(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr || !Usable(h, error)) return Answer::Err(error);
  for (unsigned char c : a[2]) {
    LRESULT ignored = 0;
    if (!SendWithin(h, WM_CHAR, c, 1, ignored)) return Answer::Err("no answer");
  }
  return Answer::Ok();
}

// Rests the mouse pointer on a control, as a user does to read its hover hint, and answers the
// text of the hint window that the program then shows ("" when none shows in time).
Answer Driver::Hover(const Words& a) {
  std::string error;
  HWND h = Control(a[0], a[1], error);
  if (h == nullptr || !Usable(h, error)) return Answer::Err(error);
  RECT r;
  GetWindowRect(h, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  const DWORD deadline = GetTickCount() + TimeoutArg(a, 2, 3000);
  do {
    Sleep(100);
    for (HWND top : TopLevelWindows(target_)) {
      if (!IsWindowVisible(top) || _stricmp(ClassOf(top).c_str(), TOOLTIPS_CLASSA) != 0) continue;
      // The hint window answers WM_GETTEXT with the text it shows, however long (the tool's
      // record would give only its first 80 characters).
      std::string text;
      if (ControlText(top, text) && !text.empty()) return Answer::Ok({text});
    }
  } while (GetTickCount() < deadline);
  return Answer::Ok({""});
}

// Times a refresh as a user sees it: from the press of a button until the list holds `rows`
// rows and the first cell of its last row reads the expected text (what tells this fill from the
// one before). The list answers only between the program's messages, so a poll waits while the
// program works.
namespace {

BOOL CALLBACK ChildPainted(HWND child, LPARAM painted) {
  if (!IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(painted) = false;
  return FALSE;
}

// True when `window` and every visible window inside it have painted all that was invalidated.
bool Painted(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  bool painted = true;
  EnumChildWindows(window, &ChildPainted, reinterpret_cast<LPARAM>(&painted));
  return painted;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

Answer Elapsed(const LARGE_INTEGER& from) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  char elapsed[32];
  std::snprintf(elapsed, sizeof(elapsed), "%.1f", Milliseconds(from, now));
  return Answer::Ok({elapsed});
}

// Waits until the window holding `list` has painted everything; false after `timeout` ms since
// `start`.
bool WaitUntilPainted(HWND list, const LARGE_INTEGER& start, DWORD timeout) {
  HWND top = GetAncestor(list, GA_ROOT);
  for (;;) {
    if (Painted(top)) return true;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    if (Milliseconds(start, now) > timeout) return false;
    Sleep(1);
  }
}

}  // namespace

// Posts the command `a[1]` to window `a[0]` and times it until the window `a[2]` shows with its
// list `a[3]` holding `a[4]` rows, everything painted (the sharing check's benchmark).
Answer Driver::CommandUntilRows(const Words& a) {
  std::string error;
  HWND owner = Window(a[0], error, true);
  if (owner == nullptr) return Answer::Err(error);
  long id = 0;
  long rows = 0;
  long listId = 0;
  if (!ParseNumber(a[1], id) || !ParseNumber(a[3], listId) || !ParseNumber(a[4], rows)) {
    return Answer::Err("bad number");
  }
  const DWORD timeout = TimeoutArg(a, 5, 30000);
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  PostMessageA(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  for (;;) {
    HWND dialog = FindWindowNamed(target_, a[2], true);
    HWND list = dialog == nullptr ? nullptr : FindControl(dialog, static_cast<int>(listId));
    LRESULT count = 0;
    if (list != nullptr && SendWithin(list, LVM_GETITEMCOUNT, 0, 0, count, timeout) &&
        count == rows) {
      if (!WaitUntilPainted(list, start, timeout)) return Answer::Err("not painted in time");
      return Elapsed(start);
    }
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    if (Milliseconds(start, now) > timeout) return Answer::Err("rows not in after the time limit");
    Sleep(1);
  }
}

// Waits until the visible window `a[0]` and everything in it have painted.
Answer Driver::WaitPainted(const Words& a) {
  std::string error;
  HWND window = Window(a[0], error, true);
  if (window == nullptr) return Answer::Err(error);
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!WaitUntilPainted(window, start, TimeoutArg(a, 1, 30000))) return Answer::Err("not painted");
  return Elapsed(start);
}

Answer Driver::ClickUntilRows(const Words& a) {
  std::string error;
  HWND button = Control(a[0], a[1], error);
  if (button == nullptr || !Usable(button, error)) return Answer::Err(error);
  HWND list = Control(a[0], a[2], error);
  if (list == nullptr) return Answer::Err(error);
  long rows = 0;
  if (!ParseNumber(a[3], rows) || rows <= 0) return Answer::Err("bad row count " + a[3]);
  const DWORD timeout = TimeoutArg(a, 5, 30000);
  KernelHandle process(OpenOwner(list));
  RemoteBlock block(process.Get(), sizeof(LVITEMA) + kTextSize);
  if (!block.Valid()) return Answer::Err("cannot reach the program's memory");
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  PostMessageA(button, BM_CLICK, 0, 0);
  for (;;) {
    LRESULT count = 0;
    if (!SendWithin(list, LVM_GETITEMCOUNT, 0, 0, count, timeout)) return Answer::Err("no answer");
    if (count == rows) {
      LVITEMA item = {};
      item.mask = LVIF_TEXT;
      item.pszText = block.Address() + sizeof(LVITEMA);
      item.cchTextMax = kTextSize;
      const char empty = '\0';
      LRESULT length = 0;
      if (!block.Write(0, &item, sizeof(item)) || !block.Write(sizeof(LVITEMA), &empty, 1) ||
          !SendWithin(list, LVM_GETITEMTEXTA, rows - 1, reinterpret_cast<LPARAM>(block.Address()),
                      length, timeout)) {
        return Answer::Err("cannot read the last row");
      }
      QueryPerformanceCounter(&now);
      if (block.ReadString(sizeof(LVITEMA), kTextSize - 1) == a[4]) break;
    } else {
      QueryPerformanceCounter(&now);
    }
    if ((now.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart > timeout) {
      return Answer::Err("rows not in after the time limit");
    }
    Sleep(1);
  }
  // Until the user sees them: the window has painted the rows.
  if (!WaitUntilPainted(list, start, timeout)) return Answer::Err("not painted in time");
  return Elapsed(start);
}

// ---- The menu bar ----

Answer Driver::Menu(const Words& a) {
  std::string error;
  HWND h = Window(a[0], error, true);
  if (h == nullptr) return Answer::Err(error);
  long id = 0;
  if (!ParseNumber(a[1], id) || id <= 0) return Answer::Err("bad menu id " + a[1]);
  MenuQuery query = {};
  query.window = h;
  query.id = static_cast<UINT>(id);
  if (!ReadRemoteMenu(query, error)) return Answer::Err(error);
  if (!query.found) return Answer::Err("no menu entry " + a[1]);
  if ((query.state & (MF_GRAYED | MF_DISABLED)) != 0) return Answer::Err("disabled");
  // What choosing the entry sends.
  PostMessageA(h, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  Settle(h);
  return Answer::Ok();
}

Answer Driver::MenuItems(const Words& a) { return AskProbe(a, kReadMenu); }

Answer Driver::TextFit(const Words& a) { return AskProbe(a, kMeasureCaptions); }

Answer Driver::AskProbe(const Words& a, int operation) {
  std::string error;
  HWND h = Window(a[0], error);
  if (h == nullptr) return Answer::Err(error);
  MenuQuery query = {};
  query.window = h;
  query.operation = operation;
  if (!ReadRemoteMenu(query, error)) return Answer::Err(error);
  std::vector<std::string> fields;
  const std::string text(query.text);
  size_t begin = 0;
  for (size_t end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1) {
    fields.push_back(text.substr(begin, end - begin));
  }
  return Answer::Ok(fields);
}

}  // namespace e2e
