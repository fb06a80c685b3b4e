#include "help/WebLinks.h"

namespace help {

void OpenWebAddress(platform::Shell& shell, const std::string& address) {
  shell.OpenAddress(address, platform::kShowMaximized);
}

void OpenMailAddress(platform::Shell& shell, const std::string& mailAddress) {
  shell.OpenAddress("mailto:" + mailAddress, platform::kShowNormal);
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
