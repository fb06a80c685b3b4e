#include "sharemode/StartupSettings.h"

#include <algorithm>
#include <cctype>

#include "sharemode/LocalMachineKey.h"
#include "sharemode/RecordsFolder.h"
#include "sharemode/SettingsHistory.h"

namespace sharemode {
namespace {

constexpr const char* kInterfacesKey =
    "\\SYSTEM\\CurrentControlSet\\Services\\NetBT\\Parameters\\Interfaces\\Tcpip_";
constexpr std::uint32_t kNetBiosOn = 1;

bool SameLetters(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

// "{...}" of hexadecimal digits and dashes: an adapter's identifier and nothing else.
bool IsAdapterName(const std::string& name) {
  return name.size() > 2 && name.size() <= 40 && name.front() == '{' && name.back() == '}' &&
         name.find_first_not_of("0123456789abcdefABCDEF-", 1) == name.size() - 1;
}

bool KeyExists(platform::Registry& registry, const std::string& keyPath) {
  platform::Handle key = 0;
  if (registry.OpenLocalMachineKeyForReading(SubKeyFromRoot(keyPath), key) != 0) return false;
  registry.CloseKey(key);
  return true;
}

bool Saved(const SavedSettings* record, const std::string& keyPath) {
  return record != nullptr &&
         std::any_of(record->values.begin(), record->values.end(),
                     [&](const SavedValue& value) { return SameLetters(value.keyPath, keyPath); });
}

}  // namespace

std::string NetBiosKeyPath(const std::string& adapterName) { return kInterfacesKey + adapterName; }

bool IsNetBiosSetting(const SavedValue& value) {
  const std::string prefix = kInterfacesKey;
  if (value.keyPath.size() <= prefix.size() ||
      !SameLetters(value.keyPath.substr(0, prefix.size()), prefix) ||
      !IsAdapterName(value.keyPath.substr(prefix.size())) ||
      !SameLetters(value.name, kNetBiosValue)) {
    return false;
  }
  if (!value.present) return true;
  const std::optional<std::uint32_t> option = platform::DwordOf(value.data);
  return option && *option <= 2;
}

const char* StartTypeWord(std::uint32_t startType) {
  switch (startType) {
    case 2:
      return "auto";
    case 3:
      return "demand";
    case 4:
      return "disabled";
    default:
      return nullptr;
  }
}

void SaveStartupSettingsOnce(platform::Platform& platform) {
  SettingsHistory history;
  RecordsFolder::State folder = RecordsFolder::State::Unknown;
  if (LoadHistory(platform.files, history, &folder) != HistoryRead::Read) return;
  if (folder != RecordsFolder::State::Trusted && folder != RecordsFolder::State::Missing) return;
  const SavedSettings* first = history.first ? &*history.first : nullptr;

  // Only what the start-up will really change: a state it already has is no change of Plinvo's.
  SavedSettings found;
  platform::ServiceState service;
  if ((first == nullptr || first->serviceStartTypes.count(kBrowserService) == 0) &&
      platform.services.Query(kBrowserService, service) == platform::kSuccess &&
      service.startType != kStartAutomatically && StartTypeWord(service.startType) != nullptr) {
    found.serviceStartTypes[kBrowserService] = service.startType;
  }
  std::vector<platform::AdapterRecord> adapters;
  if (platform.adapters.List(adapters) != platform::kSuccess) adapters.clear();
  for (const platform::AdapterRecord& adapter : adapters) {
    const std::string keyPath = NetBiosKeyPath(adapter.name);
    // An adapter without NetBIOS settings of its own has nothing to put back.
    if (!IsAdapterName(adapter.name) || Saved(first, keyPath) ||
        !KeyExists(platform.registry, keyPath)) {
      continue;
    }
    const std::optional<SavedValue> value =
        ReadPresentValue(platform.registry, keyPath, kNetBiosValue);
    if (!value || !IsNetBiosSetting(*value)) continue;
    if (value->present && platform::DwordOf(value->data) == kNetBiosOn) continue;
    found.values.push_back(*value);
  }
  if (found.Empty()) return;
  if (!history.first) history.first.emplace();
  AddMissing(*history.first, found);
  // Not saved (no folder could be made, the disk refused): the start-up goes on as ever.
  SaveHistory(platform.files, history);
}

}  // namespace sharemode
