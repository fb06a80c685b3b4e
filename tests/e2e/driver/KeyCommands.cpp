// Commands of a user at the keyboard: keys pressed on the window in front, the focused control
// and the window in front.
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstring>

#include "Driver.h"

namespace e2e {

namespace {

struct KeyName {
  const char* name;
  WORD key;
};

const KeyName kKeys[] = {{"tab", VK_TAB},       {"enter", VK_RETURN}, {"escape", VK_ESCAPE},
                         {"delete", VK_DELETE}, {"space", VK_SPACE},  {"pgup", VK_PRIOR},
                         {"pgdn", VK_NEXT},     {"left", VK_LEFT},    {"right", VK_RIGHT},
                         {"up", VK_UP},         {"down", VK_DOWN},    {"f1", VK_F1},
                         {"f5", VK_F5},         {"f10", VK_F10},      {"alt", VK_MENU},
                         {"ctrl", VK_CONTROL},  {"shift", VK_SHIFT}};

// A key by name, a single letter or digit, or a number (a virtual-key code); 0 when unknown.
WORD KeyCode(const std::string& word) {
  for (const KeyName& known : kKeys) {
    if (_stricmp(known.name, word.c_str()) == 0) return known.key;
  }
  if (word.size() == 1 && std::isalnum(static_cast<unsigned char>(word[0]))) {
    return static_cast<WORD>(std::toupper(static_cast<unsigned char>(word[0])));
  }
  long code = 0;
  return ParseNumber(word, code) && code > 0 && code < 256 ? static_cast<WORD>(code) : 0;
}

bool Extended(WORD key) {
  switch (key) {
    case VK_DELETE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      return true;
    default:
      return false;
  }
}

INPUT KeyInput(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, 0));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (Extended(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

std::string Number(long value) {
  char text[32];
  std::snprintf(text, sizeof(text), "%ld", value);
  return text;
}

}  // namespace

Answer Driver::Key(const Words& a) {
  std::string error;
  HWND h = Window(a[0], error, true);
  if (h == nullptr) return Answer::Err(error);
  const WORD key = KeyCode(a[1]);
  if (key == 0) return Answer::Err("unknown key " + a[1]);
  std::vector<WORD> modifiers;
  if (a.size() > 2) {
    // "ctrl", "shift", "alt" joined by '+'.
    std::string rest = a[2] + "+";
    for (size_t begin = 0, end; (end = rest.find('+', begin)) != std::string::npos;
         begin = end + 1) {
      const WORD modifier = KeyCode(rest.substr(begin, end - begin));
      if (modifier != VK_CONTROL && modifier != VK_SHIFT && modifier != VK_MENU) {
        return Answer::Err("bad modifier " + rest.substr(begin, end - begin));
      }
      modifiers.push_back(modifier);
    }
  }
  // The keyboard goes to the window in front, as for a user who clicked on it first.
  SetForegroundWindow(h);
  const DWORD start = GetTickCount();
  while (GetForegroundWindow() != h && GetTickCount() - start < 3000) Sleep(20);
  if (GetForegroundWindow() != h) return Answer::Err("cannot bring the window to the front");
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(KeyInput(modifier, false));
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
    inputs.push_back(KeyInput(*it, true));
  }
  if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size()) {
    return Answer::Err("the system refused the keys");
  }
  Settle(h);
  return Answer::Ok();
}

Answer Driver::Focused(const Words& a) {
  std::string error;
  HWND h = Window(a[0], error);
  if (h == nullptr) return Answer::Err(error);
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(h, nullptr), &info)) {
    return Answer::Err("no answer");
  }
  // A menu open or the menu bar's entries picked out by the keyboard.
  const std::string menu = (info.flags & GUI_INMENUMODE) != 0 ? "menu" : "";
  if (info.hwndFocus == nullptr) return Answer::Ok({"0", "", menu});
  return Answer::Ok({Number(GetDlgCtrlID(info.hwndFocus)), ClassOf(info.hwndFocus), menu});
}

Answer Driver::Foreground(const Words&) {
  HWND h = GetForegroundWindow();
  if (h == nullptr) return Answer::Ok({"", ""});
  return Answer::Ok({HexHandle(h), CaptionOf(h)});
}

}  // namespace e2e
