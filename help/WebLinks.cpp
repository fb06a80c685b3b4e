#include "help/WebLinks.h"

namespace help {

namespace {

void OpenAddress(platform::Shell& shell, const platform::VersionRecord& version,
                 const std::string& address, int showCommand) {
  // Under UAC the desktop shell runs with the logged-on user's ordinary rights; on XP it has the
  // same rights as the program, so there is nothing to gain there.
  constexpr std::uint32_t kVista = 6;
  if (version.majorVersion >= kVista && shell.DesktopShellRunning() &&
      shell.OpenAddressThroughDesktop(address, showCommand)) {
    return;
  }
  shell.OpenAddress(address, showCommand);
}

}  // namespace

void OpenWebAddress(platform::Shell& shell, const platform::VersionRecord& version,
                    const std::string& address) {
  OpenAddress(shell, version, address, platform::kShowMaximized);
}

void OpenMailAddress(platform::Shell& shell, const platform::VersionRecord& version,
                     const std::string& mailAddress) {
  OpenAddress(shell, version, "mailto:" + mailAddress, platform::kShowNormal);
}

std::string HelpTopicPath(const std::string& helpFile, const std::string& topic) {
  return helpFile + "::/" + topic;
}

void ShowHelpTopic(platform::Shell& shell, const std::string& helpFile, const std::string& topic) {
  // No owner: the viewer must outlive modal boxes and not vanish behind the main window.
  const platform::Handle viewer = shell.ShowHelpTopic(HelpTopicPath(helpFile, topic));
  // A viewer that failed to open gives 0, which the system simply ignores.
  shell.SetActiveWindow(viewer);
}

void LinkMouseEnter(ui::Label& sender) {
  sender.SetFontColor(ui::kBlue);
  sender.SetCursor(ui::Cursor::HandPoint);
}

void LinkMouseLeave(ui::Label& sender) {
  // Back to black, whatever the system's window-text colour (the designed one) is.
  sender.SetFontColor(ui::kBlack);
  sender.SetCursor(ui::Cursor::Default);
}

}  // namespace help
