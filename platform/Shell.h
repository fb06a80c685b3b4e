// The shell: opening addresses, the folder picker, the compiled-HTML help viewer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Types.h"

namespace platform {

constexpr int kShowNormal = 1;     // SW_SHOWNORMAL
constexpr int kShowMaximized = 3;  // SW_SHOWMAXIMIZED

class Shell {
 public:
  virtual ~Shell() = default;
  // ShellExecuteA(no owner, "open", address, no parameters, no directory, showCommand).
  virtual void OpenAddress(const std::string& address, int showCommand) = 0;
  // Whether the logged-on user's desktop shell runs (GetShellWindow).
  virtual bool DesktopShellRunning() = 0;
  // Has the desktop shell open the address ("open", no parameters, no directory), so that what
  // it starts runs as the logged-on user; false when the shell could not be asked.
  virtual bool OpenAddressThroughDesktop(const std::string& address, int showCommand) = 0;
  // The folder picker (SHBrowseForFolderA, file-system folders only) under `title`, modal to the
  // program; critical-error boxes are suppressed while it is open. The chosen folder's path as
  // the system names it, in UTF-16 (an ANSI path would already have had look-alike characters
  // replaced). nullopt when cancelled.
  virtual std::optional<std::u16string> BrowseForFolder(const std::string& title) = 0;
  // The HTML-help display call (ordinal 14 of hhctrl.ocx, ANSI, command 0, data 0, no caller).
  // Returns the viewer's window, 0 on failure.
  virtual Handle ShowHelpTopic(const std::string& topicPath) = 0;
  virtual void SetActiveWindow(Handle window) = 0;
};

}  // namespace platform
