// The driver's commands: each takes the words after the command name and gives one answer.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Handles.h"
#include "Protocol.h"
#include "Windows.h"

namespace e2e {

using Words = std::vector<std::string>;

class Driver {
 public:
  Driver();
  Answer Run(const Words& words);
  bool Quitting() const { return quitting_; }
  // Ends the started program if it still runs (used when the driver itself ends).
  void KillTarget();

 private:
  using Command = std::function<Answer(const Words&)>;
  struct Entry {
    size_t minArgs;
    size_t maxArgs;
    Command run;
  };
  std::map<std::string, Entry> commands_;
  Target target_;
  KernelHandle process_;
  bool quitting_ = false;

  void Add(const std::string& name, size_t minArgs, size_t maxArgs, Command run);

  // Process and window life.
  Answer Start(const Words& a);
  Answer WaitExit(const Words& a);
  Answer Kill(const Words& a);
  Answer WaitWindow(const Words& a);
  Answer WaitGone(const Words& a);
  Answer WindowShown(const Words& a);
  Answer ListWindows(const Words& a);
  Answer Close(const Words& a);
  Answer ClientSize(const Words& a);
  Answer WindowRect(const Words& a);
  Answer Screenshot(const Words& a);

  // Message boxes.
  Answer WaitMsgbox(const Words& a);
  Answer Msgboxes(const Words& a);
  Answer WaitNext(const Words& a);
  Answer AnswerMsgbox(const Words& a);

  // Controls.
  Answer Click(const Words& a);
  Answer Type(const Words& a);
  Answer GetText(const Words& a);
  Answer ClipboardText(const Words& a);
  Answer IsEnabled(const Words& a);
  Answer IsVisible(const Words& a);
  Answer IsChecked(const Words& a);
  Answer ControlRect(const Words& a);
  Answer ControlClass(const Words& a);
  Answer SelectTab(const Words& a);
  Answer TabIndex(const Words& a);
  Answer TabCaptions(const Words& a);
  Answer ListRows(const Words& a);
  Answer ListColumns(const Words& a);
  Answer ListSelect(const Words& a);
  Answer ListSelection(const Words& a);
  Answer HasPicture(const Words& a);
  Answer ClickUntilRows(const Words& a);
  Answer CommandUntilRows(const Words& a);
  Answer WaitPainted(const Words& a);
  Answer Hover(const Words& a);
  Answer TypeKeys(const Words& a);
  Answer Menu(const Words& a);
  Answer MenuItems(const Words& a);
  Answer TextFit(const Words& a);
  // Has the probe read the window's menu bar or measure its controls' captions (ProbeOperation);
  // one line of its answer per field.
  Answer AskProbe(const Words& a, int operation);

  // The keyboard.
  Answer Key(const Words& a);
  Answer Focused(const Words& a);
  Answer Foreground(const Words& a);

  // The system's folder picker.
  Answer PickFolder(const Words& a);

  // Helpers shared by the commands.
  HWND Window(const std::string& name, std::string& error, bool visibleOnly = false) const;
  HWND Control(const std::string& window, const std::string& id, std::string& error) const;
  std::vector<std::string> DescribeMsgbox(HWND box) const;
};

// Reads a number in decimal or, with 0x, in hexadecimal.
bool ParseNumber(const std::string& text, long& value);
// A time limit in milliseconds from an optional argument.
DWORD TimeoutArg(const Words& a, size_t index, DWORD fallback);

}  // namespace e2e
