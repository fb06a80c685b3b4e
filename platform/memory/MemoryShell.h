// In-memory shell.
#pragma once

#include "platform/Shell.h"

namespace platform::memory {

class MemoryShell : public Shell {
 public:
  void OpenAddress(const std::string&, int) override {}
  std::optional<std::string> BrowseForFolder(const std::string&) override { return std::nullopt; }
  Handle ShowHelpTopic(const std::string&) override { return 0; }
  void SetActiveWindow(Handle) override {}
};

}  // namespace platform::memory
