// The whole sharing check against the in-memory world after "Zendry Share": every condition,
// with a growing number of shared folders. The dialog must show all rows well within 2 seconds.
#include <benchmark/benchmark.h>

#include <string>

#include "check/SharingCheck.h"
#include "platform/memory/MemoryWorld.h"
#include "sharemode/ApplyShareMode.h"
#include "sharemode/ChangeTime.h"
#include "sharemode/SettingsFile.h"

namespace {

constexpr const char* kFolder = "C:\\Program Files\\Plinvo\\";

void SharingCheck(benchmark::State& state) {
  platform::memory::MemoryWorld world;
  world.files.PutDirectory("C:\\Program Files\\Plinvo");
  sharemode::RunRecipe(world.platform, sharemode::RecipeFor(1), kFolder);
  sharemode::RecordShareMode(world.profile, kFolder, 1);
  sharemode::RecordChangeTime(world.files, world.clock.now - 7200);
  world.accounts.guestEnabled = true;
  world.accounts.fileAccess[u"C:\\Program Files\\Plinvo"] =
      platform::AccessList{true, {{"S-1-5-32-544", true, 0x1F01FF, 0}}};
  const auto shares = static_cast<int>(state.range(0));
  for (int i = 0; i < shares; ++i) {
    const std::string name = "share" + std::to_string(i);
    const std::string path = "C:\\shared\\" + name;
    platform::ShareRecord record;
    record.netName = std::u16string(name.begin(), name.end());
    record.path = std::u16string(path.begin(), path.end());
    world.shareService.shares.push_back(record);
    world.accounts.shareAccess[*record.netName] =
        platform::AccessList{true, {{"S-1-1-0", true, 0x1200A9, 0}}};
    world.accounts.fileAccess[*record.path] =
        platform::AccessList{true, {{"S-1-1-0", true, 0x1200A9, 0}}};
  }
  std::size_t rows = 0;
  for (auto _ : state) {
    rows = check::RunSharingCheck(check::InputFor(world.platform, kFolder)).size();
    benchmark::DoNotOptimize(rows);
  }
  // Eleven rows besides one per shared folder.
  if (rows != static_cast<std::size_t>(shares) + 11) state.SkipWithError("rows lost");
  state.SetComplexityN(state.range(0));
}

BENCHMARK(SharingCheck)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
