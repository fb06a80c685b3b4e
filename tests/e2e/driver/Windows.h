// Finding the windows and controls of the program under test, the way a user finds them: a
// top-level window by its caption, a control inside it by its identifier.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The program under test. When the driver started it, only its windows count; otherwise
// windows of every process do.
struct Target {
  DWORD pid = 0;
};

std::string ClassOf(HWND hwnd);
std::string CaptionOf(HWND hwnd);  // without sending a message: safe while the target is busy
std::string HexHandle(HWND hwnd);

// A message box: class "#32770" with the static text control 0xFFFF.
bool IsMessageBox(HWND hwnd);

std::vector<HWND> TopLevelWindows(const Target& target);
std::vector<HWND> VisibleMessageBoxes(const Target& target);

// `name` is a caption (message boxes are left out, since they carry the program's caption too)
// or "hwnd:<hex>". A visible window wins over a hidden one of the same caption.
HWND FindWindowNamed(const Target& target, const std::string& name, bool visibleOnly);

// Any descendant with that identifier, so controls on pages and in groups are found too.
HWND FindControl(HWND top, int id);

// The text of a control, by WM_GETTEXT (edits and rich-text areas answer their content).
bool ControlText(HWND hwnd, std::string& text);

// Sends a message with a time limit, so a busy target cannot hang the driver.
bool SendWithin(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result, UINT ms = 15000);

// Gives the program the time to take what was just posted to it before the next command looks.
// A program answers sent messages (every question the driver asks) before it takes posted ones,
// so a question asked at once can overtake the click or key it should see the effect of.
void Settle(HWND hwnd);

}  // namespace e2e
