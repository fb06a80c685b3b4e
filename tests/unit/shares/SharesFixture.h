// A started main window over a computer whose shares and sessions a test sets up, with what the
// start-up itself showed and launched forgotten.
#pragma once

#include <string>
#include <vector>

#include "support/TestWorld.h"

namespace shares_test {

inline std::u16string U(const std::string& ansi) {
  std::u16string wide;
  for (unsigned char c : ansi) wide.push_back(c);
  return wide;
}

inline platform::ShareRecord Share(const std::string& name, const std::string& path,
                                   std::uint32_t uses = 0, const std::string& remark = "") {
  platform::ShareRecord record;
  record.netName = U(name);
  if (!path.empty()) record.path = U(path);
  record.currentUses = uses;
  record.remark = U(remark);
  return record;
}

struct SharesFixture {
  explicit SharesFixture(std::uint32_t majorVersion = 5) {
    test.world.identity.version.majorVersion = majorVersion;
    test.world.identity.userName = "Administrator";
  }

  app::TfrmMain& Start() {
    app::TfrmMain& main = test.StartMainWindow();
    test.world.messageBoxes.shown.clear();
    // The launches of the start-up stay recorded: the exit codes of later ones depend on them.
    startupLaunches = test.world.processes.launches.size();
    startupBuffers = service.buffersHandedOut;
    return main;
  }

  ui::memory::MemoryListView& Folders() {
    return test.MainForm().Memory<ui::memory::MemoryListView>("m_listviewFolders");
  }
  ui::memory::MemoryListView& Sessions() {
    return test.MainForm().Memory<ui::memory::MemoryListView>("m_listviewSessions");
  }
  ui::memory::MemoryButton& MainButton(const std::string& name) {
    return test.MainForm().Memory<ui::memory::MemoryButton>(name);
  }
  // The first column of every row, top to bottom.
  static std::vector<std::string> Captions(const ui::memory::MemoryListView& list) {
    std::vector<std::string> captions;
    for (const auto& row : list.Rows()) captions.push_back(row[0]);
    return captions;
  }
  std::vector<std::string> BoxTexts() const { return test.world.messageBoxes.Texts(); }

  // The command lines started since the start-up, in order.
  std::vector<std::string> Commands() const {
    const auto all = test.world.processes.CommandLines();
    return std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(startupLaunches),
                                    all.end());
  }
  // The launches since the start-up.
  std::vector<platform::memory::Launch> Launches() const {
    const auto& all = test.world.processes.launches;
    return std::vector<platform::memory::Launch>(
        all.begin() + static_cast<std::ptrdiff_t>(startupLaunches), all.end());
  }

  testing_support::TestWorld test;
  std::size_t startupLaunches = 0;
  int startupBuffers = 0;
  platform::memory::MemoryShareService& service = test.world.shareService;
};

}  // namespace shares_test
