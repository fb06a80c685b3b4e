#include "sharemode/SavedSettings.h"

#include <algorithm>
#include <cstring>

#include "sharemode/LocalMachineKey.h"

namespace sharemode {
namespace {

constexpr std::uint32_t kAccountDisabled = 0x2;  // UF_ACCOUNTDISABLE

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string::size_type start = text.find_first_not_of(" \t");
  while (start != std::string::npos) {
    const std::string::size_type end = text.find_first_of(" \t", start);
    words.push_back(text.substr(start, end - start));
    start = end == std::string::npos ? end : text.find_first_not_of(" \t", end);
  }
  return words;
}

bool SameValue(const SavedValue& a, const std::string& key, const std::string& name) {
  auto lower = [](std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
  };
  return lower(a.keyPath) == lower(key) && lower(a.name) == lower(name);
}

// A value as the recipe leaves it.
SavedValue Written(const std::string& keyPath, const ValueWrite& write) {
  SavedValue value{keyPath, write.name, true, {}};
  if (write.type == ValueWrite::Type::Dword) {
    value.data.type = platform::kRegDword;
    for (int shift = 0; shift < 32; shift += 8) {
      value.data.bytes.push_back(static_cast<char>((write.dword >> shift) & 0xFF));
    }
  } else {
    value.data.type = platform::kRegString;
    value.data.bytes = std::string(write.text) + '\0';
  }
  return value;
}

}  // namespace

std::optional<SavedValue> ReadPresentValue(platform::Registry& registry, const std::string& keyPath,
                                           const std::string& name) {
  SavedValue saved{keyPath, name, false, {}};
  platform::Handle key = 0;
  const long opened = registry.OpenLocalMachineKey(SubKeyFromRoot(keyPath), key);
  if (opened == platform::kErrorFileNotFound) return saved;
  if (opened != static_cast<long>(platform::kSuccess)) return std::nullopt;
  const long read = registry.QueryValue(key, name, saved.data);
  registry.CloseKey(key);
  if (read == platform::kErrorFileNotFound) return saved;
  if (read != static_cast<long>(platform::kSuccess)) return std::nullopt;
  saved.present = true;
  return saved;
}

bool SameState(const SavedValue& a, const SavedValue& b) {
  if (a.present != b.present) return false;
  return !a.present || (a.data.type == b.data.type && a.data.bytes == b.data.bytes);
}

RecipeReach ReachOf(const Recipe& recipe) {
  RecipeReach reach;
  for (const RecipeStep& step : recipe.steps) {
    if (step.action == RecipeStep::Action::Write) {
      for (const ValueWrite& value : step.values) {
        std::pair<std::string, std::string> item{step.keyPath, value.name};
        const auto found = std::find(reach.values.begin(), reach.values.end(), item);
        if (found == reach.values.end()) {
          reach.values.push_back(item);
          reach.writes.push_back(&value);
        } else {
          reach.writes[static_cast<std::size_t>(found - reach.values.begin())] = &value;
        }
      }
      continue;
    }
    const std::vector<std::string> words = Words(step.arguments);
    if (std::strcmp(step.programFolderTool, "myright.exe") == 0) {
      // "-u <account> +r|-r <right>"
      for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i] != "+r" && words[i] != "-r") continue;
        if (std::find(reach.rights.begin(), reach.rights.end(), words[i + 1]) ==
            reach.rights.end()) {
          reach.rights.push_back(words[i + 1]);
        }
        reach.rightsHeldAfter[words[i + 1]] = words[i] == "+r";
      }
    } else if (words.size() >= 4 && words[0] == "net" && words[1] == "user" &&
               words[3].rfind("/active:", 0) == 0) {
      reach.guestAccount = true;
      reach.guestEnabledAfter = words[3] == "/active:yes";
    }
  }
  return reach;
}

SavedSettings CaptureBefore(platform::Platform& platform, const Recipe& recipe) {
  const RecipeReach reach = ReachOf(recipe);
  SavedSettings saved;
  for (const auto& item : reach.values) {
    std::optional<SavedValue> value = ReadPresentValue(platform.registry, item.first, item.second);
    if (value) saved.values.push_back(std::move(*value));
  }
  if (reach.guestAccount) {
    std::uint32_t flags = 0;
    if (platform.shareService.UserFlags(u"Guest", flags) == platform::kSuccess) {
      saved.guestEnabled = (flags & kAccountDisabled) == 0;
    }
  }
  if (!reach.rights.empty()) {
    std::vector<std::string> held;
    if (platform.accountRights.Enumerate(kGuestAccount, held) == platform::kSuccess) {
      for (const std::string& right : reach.rights) {
        saved.guestRights[right] = std::find(held.begin(), held.end(), right) != held.end();
      }
    }
  }
  return saved;
}

void AddMissing(SavedSettings& first, const SavedSettings& later) {
  for (const SavedValue& value : later.values) {
    const bool known = std::any_of(
        first.values.begin(), first.values.end(),
        [&](const SavedValue& had) { return SameValue(had, value.keyPath, value.name); });
    if (!known) first.values.push_back(value);
  }
  if (!first.guestEnabled) first.guestEnabled = later.guestEnabled;
  for (const auto& right : later.guestRights) first.guestRights.insert(right);
  for (const auto& service : later.serviceStartTypes) first.serviceStartTypes.insert(service);
}

SavedSettings ChangedBy(const Recipe& recipe, const SavedSettings& now) {
  const RecipeReach reach = ReachOf(recipe);
  SavedSettings changed;
  for (const SavedValue& value : now.values) {
    for (std::size_t i = 0; i < reach.values.size(); ++i) {
      if (SameValue(value, reach.values[i].first, reach.values[i].second) &&
          !SameState(value, Written(reach.values[i].first, *reach.writes[i]))) {
        changed.values.push_back(value);
      }
    }
  }
  if (reach.guestAccount && now.guestEnabled && *now.guestEnabled != reach.guestEnabledAfter) {
    changed.guestEnabled = now.guestEnabled;
  }
  for (const auto& right : now.guestRights) {
    const auto after = reach.rightsHeldAfter.find(right.first);
    if (after != reach.rightsHeldAfter.end() && after->second != right.second) {
      changed.guestRights.insert(right);
    }
  }
  return changed;
}

}  // namespace sharemode
