// What the computer's settings were before a share mode changed them: each registry value a
// recipe writes, the guest account's enabled state and its network-logon rights. Read from
// the recipe tables, so a recipe that learns a new value is covered without change here.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "sharemode/ShareModeRecipes.h"

namespace sharemode {

// The account the recipes' tools are pointed at.
inline constexpr char kGuestAccount[] = "Guest";

struct SavedValue {
  std::string keyPath;  // as the recipe writes it, from the root
  std::string name;
  bool present = false;  // false: the value did not exist
  platform::RegistryData data;
};

struct SavedSettings {
  std::vector<SavedValue> values;
  std::optional<bool> guestEnabled;  // unknown when the account could not be read
  std::map<std::string, bool>
      guestRights;  // right -> held; rights that could not be read are left out
  // Service key name -> start type (2 automatic, 3 on demand, 4 disabled), as the start-up
  // found it before setting it (sharemode/StartupSettings.h).
  std::map<std::string, std::uint32_t> serviceStartTypes;

  bool Empty() const {
    return values.empty() && !guestEnabled && guestRights.empty() && serviceStartTypes.empty();
  }
};

// What the recipe touches: its values in order (each once), whether it switches the guest
// account, and the rights it grants or revokes.
struct RecipeReach {
  std::vector<std::pair<std::string, std::string>> values;  // key path, value name
  std::vector<const ValueWrite*> writes;  // beside `values`: the data each is left with
  bool guestAccount = false;
  bool guestEnabledAfter = false;
  std::vector<std::string> rights;
  std::map<std::string, bool> rightsHeldAfter;
};
RecipeReach ReachOf(const Recipe& recipe);

// The value as it is now; nullopt when it could not be read (neither there nor missing).
std::optional<SavedValue> ReadPresentValue(platform::Registry& registry, const std::string& keyPath,
                                           const std::string& name);

// Whether two records of one value say the same: both absent, or the same type and data.
bool SameState(const SavedValue& a, const SavedValue& b);

// The present state of everything the recipe is about to change.
SavedSettings CaptureBefore(platform::Platform& platform, const Recipe& recipe);

// Adds to `first` what `later` holds and `first` lacks: a setting Plinvo had not touched before
// still has the computer's own state.
void AddMissing(SavedSettings& first, const SavedSettings& later);

// What of `now` the recipe would change: the values it writes with other data, the guest
// account when it switches it the other way, the rights it grants and are not held or revokes
// and are. A setting already as the recipe leaves it is not changed by it.
SavedSettings ChangedBy(const Recipe& recipe, const SavedSettings& now);

}  // namespace sharemode
