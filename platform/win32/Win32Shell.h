// The shell: addresses through ShellExecuteA, the folder picker, and the compiled-HTML help
// viewer, whose control is loaded on first use.
#pragma once

#include "platform/Shell.h"

namespace platform::win32 {

class Win32Shell : public Shell {
 public:
  Win32Shell() = default;
  Win32Shell(const Win32Shell&) = delete;
  Win32Shell& operator=(const Win32Shell&) = delete;

  void OpenAddress(const std::string& address, int showCommand) override;
  bool DesktopShellRunning() override;
  bool OpenAddressThroughDesktop(const std::string& address, int showCommand) override;
  std::optional<std::u16string> BrowseForFolder(const std::string& title) override;
  Handle ShowHelpTopic(const std::string& topicPath) override;
  void SetActiveWindow(Handle window) override;

 private:
  Handle m_htmlHelp = 0;  // HtmlHelpA of hhctrl.ocx, once loaded
  bool m_helpLoadTried = false;
};

}  // namespace platform::win32
