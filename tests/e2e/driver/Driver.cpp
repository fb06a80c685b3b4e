#include "Driver.h"

#include <cstdio>
#include <cstdlib>

#include "Screen.h"

namespace e2e {

bool ParseNumber(const std::string& text, long& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, 0);
  return end != nullptr && *end == '\0';
}

DWORD TimeoutArg(const Words& a, size_t index, DWORD fallback) {
  long value = 0;
  if (index < a.size() && ParseNumber(a[index], value) && value >= 0) {
    return static_cast<DWORD>(value);
  }
  return fallback;
}

namespace {

const DWORD kDefaultTimeout = 30000;
// Short enough that a start-up timed through "wait-window" is not rounded to whole polls.
const DWORD kPollInterval = 10;

std::string Number(long value) {
  char text[32];
  std::snprintf(text, sizeof(text), "%ld", value);
  return text;
}

std::string WithoutAmpersands(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

// Calls `probe` until it gives true or the time is up.
template <typename Probe>
bool WaitFor(DWORD timeout, Probe probe) {
  const DWORD start = GetTickCount();
  while (true) {
    if (probe()) return true;
    if (GetTickCount() - start >= timeout) return false;
    Sleep(kPollInterval);
  }
}

}  // namespace

Driver::Driver() {
  auto bind = [this](Answer (Driver::*method)(const Words&)) {
    return [this, method](const Words& a) { return (this->*method)(a); };
  };
  Add("start", 1, 3, bind(&Driver::Start));  // program [keep] [args=...]
  Add("attach", 1, 1, [this](const Words& a) {
    long pid = 0;
    if (!ParseNumber(a[0], pid)) return Answer::Err("bad process id");
    target_.pid = static_cast<DWORD>(pid);
    process_.Reset(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE,
                               target_.pid));
    return Answer::Ok();
  });
  Add("wait-exit", 0, 1, bind(&Driver::WaitExit));
  Add("kill", 0, 0, bind(&Driver::Kill));
  Add("wait-window", 1, 2, bind(&Driver::WaitWindow));
  Add("wait-gone", 1, 2, bind(&Driver::WaitGone));
  Add("window-shown", 1, 1, bind(&Driver::WindowShown));
  Add("windows", 0, 0, bind(&Driver::ListWindows));
  Add("close", 1, 1, bind(&Driver::Close));
  Add("client-size", 1, 1, bind(&Driver::ClientSize));
  Add("window-rect", 1, 1, bind(&Driver::WindowRect));
  Add("screenshot", 2, 2, bind(&Driver::Screenshot));
  Add("wait-msgbox", 0, 1, bind(&Driver::WaitMsgbox));
  Add("msgboxes", 0, 0, bind(&Driver::Msgboxes));
  Add("wait-next", 1, 2, bind(&Driver::WaitNext));
  Add("answer-msgbox", 1, 2, bind(&Driver::AnswerMsgbox));
  Add("click", 2, 2, bind(&Driver::Click));
  Add("type", 3, 3, bind(&Driver::Type));
  Add("get-text", 2, 2, bind(&Driver::GetText));
  Add("clipboard-text", 0, 0, bind(&Driver::ClipboardText));
  Add("is-enabled", 2, 2, bind(&Driver::IsEnabled));
  Add("is-visible", 2, 2, bind(&Driver::IsVisible));
  Add("is-checked", 2, 2, bind(&Driver::IsChecked));
  Add("has-picture", 2, 2, bind(&Driver::HasPicture));
  Add("control-rect", 2, 2, bind(&Driver::ControlRect));
  Add("control-class", 2, 2, bind(&Driver::ControlClass));
  Add("select-tab", 3, 3, bind(&Driver::SelectTab));
  Add("tab-index", 2, 2, bind(&Driver::TabIndex));
  Add("tab-captions", 2, 2, bind(&Driver::TabCaptions));
  Add("list-rows", 2, 2, bind(&Driver::ListRows));
  Add("list-columns", 2, 2, bind(&Driver::ListColumns));
  Add("list-select", 3, 3, bind(&Driver::ListSelect));
  Add("list-selection", 2, 2, bind(&Driver::ListSelection));
  Add("click-until-rows", 5, 6, bind(&Driver::ClickUntilRows));
  Add("command-until-rows", 5, 6, bind(&Driver::CommandUntilRows));  // for the benchmarks
  Add("wait-painted", 1, 2, bind(&Driver::WaitPainted));
  Add("hover", 2, 3, bind(&Driver::Hover));
  Add("keys", 3, 3, bind(&Driver::TypeKeys));
  Add("menu", 2, 2, bind(&Driver::Menu));
  Add("menu-items", 1, 1, bind(&Driver::MenuItems));
  Add("text-fit", 1, 1, bind(&Driver::TextFit));
  Add("pick-folder", 1, 2, bind(&Driver::PickFolder));
  Add("key", 2, 3, bind(&Driver::Key));
  Add("focused", 1, 1, bind(&Driver::Focused));
  Add("foreground", 0, 0, bind(&Driver::Foreground));
  Add("sleep", 1, 1, [](const Words& a) {
    Sleep(TimeoutArg(a, 0, 0));
    return Answer::Ok();
  });
  Add("quit", 0, 0, [this](const Words&) {
    quitting_ = true;
    return Answer::Ok();
  });
}

void Driver::Add(const std::string& name, size_t minArgs, size_t maxArgs, Command run) {
  commands_[name] = Entry{minArgs, maxArgs, std::move(run)};
}

Answer Driver::Run(const Words& words) {
  if (words.empty()) return Answer::Err("empty command");
  auto it = commands_.find(words[0]);
  if (it == commands_.end()) return Answer::Err("unknown command " + words[0]);
  const Words args(words.begin() + 1, words.end());
  if (args.size() < it->second.minArgs || args.size() > it->second.maxArgs) {
    return Answer::Err("wrong number of arguments for " + words[0]);
  }
  return it->second.run(args);
}

void Driver::KillTarget() {
  if (process_.Get() != nullptr && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.Get(), 1);
    // Gone before the next one starts: a Plinvo still ending would take the next start for a
    // second copy and hand over to itself.
    WaitForSingleObject(process_.Get(), 10000);
  }
}

HWND Driver::Window(const std::string& name, std::string& error, bool visibleOnly) const {
  HWND h = FindWindowNamed(target_, name, visibleOnly);
  if (h == nullptr) error = "no window " + name;
  return h;
}

HWND Driver::Control(const std::string& window, const std::string& id, std::string& error) const {
  HWND top = Window(window, error);
  if (top == nullptr) return nullptr;
  long number = 0;
  if (!ParseNumber(id, number)) {
    error = "bad control id " + id;
    return nullptr;
  }
  HWND h = FindControl(top, static_cast<int>(number));
  if (h == nullptr) error = "no control " + id + " in " + window;
  return h;
}

// ---- Process and window life ----

Answer Driver::Start(const Words& a) {
  // After the program: "keep" and "args=<command-line arguments>", in any order.
  bool keep = false;
  std::string arguments;
  for (size_t i = 1; i < a.size(); ++i) {
    if (a[i] == "keep") {
      keep = true;
    } else if (a[i].rfind("args=", 0) == 0) {
      arguments = a[i].substr(5);
    } else {
      return Answer::Err("bad word " + a[i]);
    }
  }
  // A new target ends the one before, unless that one is to keep running beside it.
  if (!keep) KillTarget();
  std::string folder = a[0];
  const size_t slash = folder.find_last_of("\\/");
  folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
  std::string commandLine = "\"" + a[0] + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(a[0].c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    return Answer::Err("cannot start " + a[0] + ": error " + Number(GetLastError()));
  }
  CloseHandle(info.hThread);
  process_.Reset(info.hProcess);
  target_.pid = info.dwProcessId;
  return Answer::Ok({Number(static_cast<long>(info.dwProcessId))});
}

Answer Driver::WaitExit(const Words& a) {
  if (process_.Get() == nullptr) return Answer::Err("no program started");
  if (WaitForSingleObject(process_.Get(), TimeoutArg(a, 0, kDefaultTimeout)) != WAIT_OBJECT_0) {
    return Answer::Err("still running");
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.Get(), &code);
  return Answer::Ok({Number(static_cast<long>(code))});
}

Answer Driver::Kill(const Words&) {
  if (process_.Get() == nullptr) return Answer::Err("no program started");
  KillTarget();
  WaitForSingleObject(process_.Get(), 5000);
  return Answer::Ok();
}

Answer Driver::WaitWindow(const Words& a) {
  HWND found = nullptr;
  if (!WaitFor(TimeoutArg(a, 1, kDefaultTimeout), [&] {
        found = FindWindowNamed(target_, a[0], true);
        return found != nullptr;
      })) {
    return Answer::Err("no window " + a[0]);
  }
  DWORD pid = 0;
  GetWindowThreadProcessId(found, &pid);
  return Answer::Ok({HexHandle(found), Number(static_cast<long>(pid))});
}

Answer Driver::WaitGone(const Words& a) {
  if (!WaitFor(TimeoutArg(a, 1, kDefaultTimeout),
               [&] { return FindWindowNamed(target_, a[0], true) == nullptr; })) {
    return Answer::Err("still shown: " + a[0]);
  }
  return Answer::Ok();
}

Answer Driver::WindowShown(const Words& a) {
  return Answer::Ok({FindWindowNamed(target_, a[0], true) != nullptr ? "1" : "0"});
}

Answer Driver::ListWindows(const Words&) {
  std::vector<std::string> fields;
  for (HWND h : TopLevelWindows(target_)) {
    fields.push_back(HexHandle(h));
    fields.push_back(ClassOf(h));
    fields.push_back(IsWindowVisible(h) ? "1" : "0");
    fields.push_back(CaptionOf(h));
  }
  return Answer::Ok(fields);
}

Answer Driver::Close(const Words& a) {
  std::string error;
  HWND h = Window(a[0], error, true);
  if (h == nullptr) return Answer::Err(error);
  // What the close box does.
  if (!PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0)) return Answer::Err("cannot post");
  return Answer::Ok();
}

Answer Driver::ClientSize(const Words& a) {
  std::string error;
  HWND h = Window(a[0], error);
  if (h == nullptr) return Answer::Err(error);
  RECT r;
  if (!GetClientRect(h, &r)) return Answer::Err("no client area");
  return Answer::Ok({Number(r.right - r.left), Number(r.bottom - r.top)});
}

Answer Driver::WindowRect(const Words& a) {
  std::string error;
  HWND h = Window(a[0], error);
  if (h == nullptr) return Answer::Err(error);
  RECT r;
  if (!GetWindowRect(h, &r)) return Answer::Err("no rectangle");
  return Answer::Ok({Number(r.left), Number(r.top), Number(r.right), Number(r.bottom)});
}

Answer Driver::Screenshot(const Words& a) {
  std::string error;
  HWND h = Window(a[0], error, true);
  if (h == nullptr) return Answer::Err(error);
  SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(h);
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  Sleep(500);  // let the program paint what was uncovered
  RECT r;
  if (!GetWindowRect(h, &r)) return Answer::Err("no rectangle");
  std::unique_ptr<Pixels> pixels = CaptureScreen(r);
  if (!pixels) return Answer::Err("cannot capture the screen");
  if (!WriteBmp(*pixels, a[1])) return Answer::Err("cannot write " + a[1]);
  return Answer::Ok({Number(pixels->Width()), Number(pixels->Height())});
}

// ---- Message boxes ----

std::vector<std::string> Driver::DescribeMsgbox(HWND box) const {
  std::string text;
  ControlText(GetDlgItem(box, 0xFFFF), text);
  HWND icon = nullptr;
  std::vector<std::pair<int, std::string>> buttons;  // ordered left to right
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string cls = ClassOf(child);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (_stricmp(cls.c_str(), "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) icon = child;
    if (_stricmp(cls.c_str(), "Button") == 0 && IsWindowVisible(child)) {
      RECT r;
      GetWindowRect(child, &r);
      buttons.emplace_back(r.left, CaptionOf(child));
    }
  }
  for (size_t i = 1; i < buttons.size(); ++i) {
    for (size_t j = i; j > 0 && buttons[j - 1].first > buttons[j].first; --j) {
      std::swap(buttons[j - 1], buttons[j]);
    }
  }
  std::string names;
  for (const auto& b : buttons) names += (names.empty() ? "" : "|") + b.second;
  return {HexHandle(box), CaptionOf(box), IdentifyIcon(icon), text, names};
}

Answer Driver::WaitMsgbox(const Words& a) {
  std::vector<HWND> boxes;
  if (!WaitFor(TimeoutArg(a, 0, kDefaultTimeout), [&] {
        boxes = VisibleMessageBoxes(target_);
        return !boxes.empty();
      })) {
    return Answer::Err("no message box");
  }
  return Answer::Ok(DescribeMsgbox(boxes.front()));
}

Answer Driver::Msgboxes(const Words&) {
  std::vector<std::string> fields;
  const std::vector<HWND> boxes = VisibleMessageBoxes(target_);
  fields.push_back(Number(static_cast<long>(boxes.size())));
  for (HWND box : boxes) {
    for (std::string& f : DescribeMsgbox(box)) fields.push_back(f);
  }
  return Answer::Ok(fields);
}

Answer Driver::WaitNext(const Words& a) {
  HWND box = nullptr;
  HWND window = nullptr;
  if (!WaitFor(TimeoutArg(a, 1, kDefaultTimeout), [&] {
        const std::vector<HWND> boxes = VisibleMessageBoxes(target_);
        if (!boxes.empty()) box = boxes.front();
        if (box == nullptr) window = FindWindowNamed(target_, a[0], true);
        return box != nullptr || window != nullptr;
      })) {
    return Answer::Err("neither window " + a[0] + " nor a message box");
  }
  if (box != nullptr) {
    std::vector<std::string> fields = DescribeMsgbox(box);
    fields.insert(fields.begin(), "msgbox");
    return Answer::Ok(fields);
  }
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return Answer::Ok({"window", HexHandle(window), Number(static_cast<long>(pid))});
}

Answer Driver::AnswerMsgbox(const Words& a) {
  HWND box = nullptr;
  if (a.size() > 1) {
    box = FindWindowNamed(target_, a[1], true);
  } else {
    const std::vector<HWND> boxes = VisibleMessageBoxes(target_);
    if (!boxes.empty()) box = boxes.front();
  }
  if (box == nullptr || !IsMessageBox(box)) return Answer::Err("no message box");
  HWND button = nullptr;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (_stricmp(ClassOf(child).c_str(), "Button") == 0 && IsWindowVisible(child) &&
        WithoutAmpersands(CaptionOf(child)) == WithoutAmpersands(a[0])) {
      button = child;
    }
  }
  if (button == nullptr) return Answer::Err("no button " + a[0]);
  PostMessageA(button, BM_CLICK, 0, 0);
  if (!WaitFor(5000, [&] { return !IsWindow(box) || !IsWindowVisible(box); })) {
    return Answer::Err("the message box stays");
  }
  return Answer::Ok();
}

}  // namespace e2e
