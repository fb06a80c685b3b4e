// Refreshing the shared-folder and session lists against the in-memory service and controls:
// the cost has to grow in proportion to the number of rows.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/Application.h"
#include "app/Formmain.h"
#include "platform/memory/MemoryWorld.h"
#include "shares/OpenFilesDialog.h"
#include "ui/memory/MemoryForm.h"

namespace {

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

struct Computer {
  Computer() {
    world.files.PutDirectory("C:\\Program Files\\Plinvo");
    application = std::make_unique<app::Application>(world.platform);
    mainWindow = std::make_unique<app::TfrmMain>(*application, forms);
  }
  platform::memory::MemoryWorld world;
  ui::memory::MemoryFormFactory forms;
  std::unique_ptr<app::Application> application;
  std::unique_ptr<app::TfrmMain> mainWindow;
};

// Half of the shares end in "$", alternating, so both ends of the list grow.
void SharedFolderRefresh(benchmark::State& state) {
  Computer computer;
  const auto count = static_cast<int>(state.range(0));
  for (int i = 0; i < count; ++i) {
    platform::ShareRecord share;
    const std::string name = "share" + std::to_string(i) + (i % 2 == 0 ? "$" : "");
    share.netName = Wide(name);
    share.path = Wide("C:\\shared\\" + name);
    share.remark = Wide("Trelbane Plinvo");
    share.currentUses = static_cast<std::uint32_t>(i % 7);
    computer.world.shareService.shares.push_back(share);
  }
  for (auto _ : state) {
    computer.mainWindow->m_btnFolderRefreshClick();
  }
  if (computer.mainWindow->m_listviewFolders.RowCount() != count) state.SkipWithError("rows lost");
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void SessionRefresh(benchmark::State& state) {
  Computer computer;
  const auto count = static_cast<int>(state.range(0));
  for (int i = 0; i < count; ++i) {
    platform::SessionRecord session;
    session.clientName = Wide("\\\\PC" + std::to_string(i));
    session.userName = Wide("user" + std::to_string(i % 50));
    session.activeSeconds = static_cast<std::uint32_t>(i) * 37u;
    session.idleSeconds = static_cast<std::uint32_t>(i) * 11u;
    computer.world.shareService.sessions.push_back(session);
  }
  for (auto _ : state) {
    computer.mainWindow->m_btnSessionRefreshClick();
  }
  if (computer.mainWindow->m_listviewSessions.RowCount() != count) {
    state.SkipWithError("rows lost");
  }
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The open-files dialog's list.
void OpenFilesRefresh(benchmark::State& state) {
  Computer computer;
  const auto count = static_cast<int>(state.range(0));
  for (int i = 0; i < count; ++i) {
    platform::FileRecord file;
    file.id = static_cast<std::uint32_t>(i);
    file.path = Wide("C:\\shared\\docs\\file" + std::to_string(i) + ".txt");
    file.userName = Wide("user" + std::to_string(i % 50));
    file.locks = static_cast<std::uint32_t>(i % 3);
    file.permissions = 1u + static_cast<std::uint32_t>(i % 2);
    computer.world.shareService.files.push_back(file);
  }
  shares::TfrmOpenFiles dialog(*computer.application, computer.forms, 0, nullptr);
  for (auto _ : state) {
    dialog.m_btnOpenFilesRefreshClick();
  }
  if (dialog.m_listviewOpenFiles.RowCount() != count) state.SkipWithError("rows lost");
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(OpenFilesRefresh)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SharedFolderRefresh)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SessionRefresh)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
