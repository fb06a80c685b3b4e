// In-memory shell.
#pragma once

#include <deque>
#include <vector>

#include "platform/Shell.h"

namespace platform::memory {

class MemoryShell : public Shell {
 public:
  void OpenAddress(const std::string&, int) override {}
  // The user's answers to the folder picker, in order; with none left the user cancels.
  std::optional<std::string> BrowseForFolder(const std::string& title) override {
    folderPickerTitles.push_back(title);
    if (folderAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
  }
  Handle ShowHelpTopic(const std::string&) override { return 0; }
  void SetActiveWindow(Handle) override {}

  std::deque<std::optional<std::string>> folderAnswers;  // nullopt: the user cancels
  std::vector<std::string> folderPickerTitles;           // the title of every picker shown
};

}  // namespace platform::memory
