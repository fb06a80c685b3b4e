#include "sharemode/RecordsFolder.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "sharemode/NetworkPreparation.h"

namespace sharemode {
namespace {

constexpr const char* kUsualName = "Plinvo";
constexpr const char* kOwnPrefix = "Plinvo-";
// A squatter would have to guess the numbers; a few fresh ones get past chance.
constexpr int kAttempts = 8;

bool SameLetters(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

// "Plinvo-<number>" as made here; nothing else is ever taken for ours.
bool IsOwnName(const std::string& name) {
  const std::string prefix = kOwnPrefix;
  if (name.size() <= prefix.size() || name.size() > prefix.size() + 10) return false;
  if (!SameLetters(name.substr(0, prefix.size()), prefix)) return false;
  return name.find_first_not_of("0123456789", prefix.size()) == std::string::npos;
}

}  // namespace

RecordsFolder FindRecordsFolder(platform::FileSystem& files) {
  const std::string common = files.GetCommonAppDataFolder();
  if (common.empty()) return {};
  const std::string usual = common + "\\" + kUsualName;
  if (files.IsPrivateDirectory(usual)) return {RecordsFolder::State::Trusted, usual};
  bool usualExists = false;
  const std::string* chosen = nullptr;
  const std::vector<std::string> names = files.FolderNames(common, kUsualName);
  for (const std::string& name : names) {
    usualExists = usualExists || SameLetters(name, kUsualName);
    // The first by name, so that every start settles on the same one.
    if (IsOwnName(name) && (chosen == nullptr || name < *chosen) &&
        files.IsPrivateDirectory(common + "\\" + name)) {
      chosen = &name;
    }
  }
  if (chosen != nullptr) return {RecordsFolder::State::Trusted, common + "\\" + *chosen};
  return {usualExists ? RecordsFolder::State::HeldByOthers : RecordsFolder::State::Missing, usual};
}

MadeRecordsFolder MakeRecordsFolder(platform::FileSystem& files) {
  const RecordsFolder found = FindRecordsFolder(files);
  if (found.state == RecordsFolder::State::Trusted) return {found.path, ""};
  if (found.state == RecordsFolder::State::Unknown) return {};
  if (found.state == RecordsFolder::State::Missing && files.CreatePrivateDirectory(found.path)) {
    return {found.path, ""};
  }
  // Held by someone else, or taken between the look and the making.
  const std::string common = found.path.substr(0, found.path.find_last_of('\\'));
  const FolderNumbers numbers = ClockSeededFolderNumbers();
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const std::string folder = common + "\\" + kOwnPrefix + std::to_string(numbers());
    if (files.CreatePrivateDirectory(folder)) return {folder, found.path};
  }
  return {};
}

}  // namespace sharemode
