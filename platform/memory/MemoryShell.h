// In-memory shell: remembers every address and help topic the program opens, answers the folder
// picker from a script.
#pragma once

#include <deque>
#include <vector>

#include "platform/Shell.h"

namespace platform::memory {

struct OpenedAddress {
  std::string address;
  int showCommand = 0;
  bool operator==(const OpenedAddress& other) const {
    return address == other.address && showCommand == other.showCommand;
  }
};

class MemoryShell : public Shell {
 public:
  void OpenAddress(const std::string& address, int showCommand) override {
    opened.push_back({address, showCommand});
  }
  bool DesktopShellRunning() override { return desktopShellRunning; }
  bool OpenAddressThroughDesktop(const std::string& address, int showCommand) override {
    if (!desktopOpens) return false;
    openedThroughDesktop.push_back({address, showCommand});
    return true;
  }
  // The user's answers to the folder picker, in order; with none left the user cancels.
  std::optional<std::u16string> BrowseForFolder(const std::string& title) override {
    folderPickerTitles.push_back(title);
    if (folderAnswers.empty()) return std::nullopt;
    std::optional<std::u16string> answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
  }
  Handle ShowHelpTopic(const std::string& topicPath) override {
    helpTopicPaths.push_back(topicPath);
    return helpViewerWindow;
  }
  void SetActiveWindow(Handle window) override { activatedWindows.push_back(window); }

  std::deque<std::optional<std::u16string>> folderAnswers;  // nullopt: the user cancels
  std::vector<std::string> folderPickerTitles;              // the title of every picker shown

  std::vector<OpenedAddress> opened;  // every ShellExecuteA "open", in order
  bool desktopShellRunning = true;
  bool desktopOpens = true;                         // whether the desktop shell takes the request
  std::vector<OpenedAddress> openedThroughDesktop;  // every address the desktop shell opened
  std::vector<std::string> helpTopicPaths;          // every topic path handed to the help viewer
  Handle helpViewerWindow = 0x7001;      // what the viewer returns; 0 when it cannot open
  std::vector<Handle> activatedWindows;  // every SetActiveWindow argument, in order
};

}  // namespace platform::memory
