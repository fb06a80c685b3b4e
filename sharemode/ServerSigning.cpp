#include "sharemode/ServerSigning.h"

#include <algorithm>
#include <cctype>

#include "app/ChangeEvents.h"
#include "platform/ErrorWords.h"
#include "sharemode/LocalMachineKey.h"
#include "sharemode/SettingsHistory.h"

namespace sharemode {
namespace {

bool SameLetters(const std::string& a, const char* b) {
  const std::string other = b;
  return a.size() == other.size() &&
         std::equal(a.begin(), a.end(), other.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

}  // namespace

std::optional<bool> ServerOffersSigning(platform::Registry& registry, long& error) {
  platform::Handle key = 0;
  error = registry.OpenLocalMachineKeyForReading(SubKeyFromRoot(kServerParametersKey), key);
  if (error == platform::kErrorFileNotFound) {
    error = 0;
    return false;
  }
  if (error != 0) return std::nullopt;
  bool offered = false;
  for (const char* name : {kOfferSigningValue, kRequireSigningValue}) {
    platform::RegistryData data;
    const long result = registry.QueryValue(key, name, data);
    if (result == 0) {
      offered = offered || platform::DwordOf(data).value_or(0) != 0;
    } else if (result != platform::kErrorFileNotFound) {
      error = result;
      break;
    }
  }
  registry.CloseKey(key);
  if (error != 0) return std::nullopt;
  return offered;
}

bool IsServerSigningSetting(const SavedValue& value) {
  if (!SameLetters(value.keyPath, kServerParametersKey) ||
      !SameLetters(value.name, kOfferSigningValue)) {
    return false;
  }
  if (!value.present) return true;
  const std::optional<std::uint32_t> number = platform::DwordOf(value.data);
  return number && *number <= 1;
}

bool SaveBeforeSigning(platform::Platform& platform) {
  SettingsHistory history;
  // As before a mode's change: a record held by someone else is never read, and the history
  // starts afresh in a folder of ours.
  if (LoadHistory(platform.files, history) == HistoryRead::Unreadable) return false;
  const std::optional<SavedValue> now =
      ReadPresentValue(platform.registry, kServerParametersKey, kOfferSigningValue);
  if (!now) return false;
  SavedSettings change;
  change.values.push_back(*now);
  for (std::optional<SavedSettings>* record : {&history.first, &history.last}) {
    if (!record->has_value()) record->emplace();
    AddMissing(**record, change);
  }
  return SaveHistory(platform.files, history);
}

long TurnOnServerSigning(platform::Platform& platform) {
  const long result =
      LocalMachineKey(platform.registry, kServerParametersKey).SetDword(kOfferSigningValue, 1);
  app::WriteOutcomeEvent(platform, result == 0, app::Event::SigningOffered,
                         app::Event::SigningNotOffered, {},
                         platform::ErrorWords(static_cast<std::uint32_t>(result)));
  return result;
}

}  // namespace sharemode
