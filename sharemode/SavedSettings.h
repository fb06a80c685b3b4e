// What the computer's settings were before a share mode changed them: each registry value a
// recipe writes, the guest account's enabled state and its network-logon rights. Read from
// the recipe tables, so a recipe that learns a new value is covered without change here.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "sharemode/ShareModeRecipes.h"

namespace sharemode {

// The account the recipes' tools are pointed at.
inline constexpr const char* kGuestAccount = "Guest";

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

  bool Empty() const { return values.empty() && !guestEnabled && guestRights.empty(); }
};

// What the recipe touches: its values in order (each once), whether it switches the guest
// account, and the rights it grants or revokes.
struct RecipeReach {
  std::vector<std::pair<std::string, std::string>> values;  // key path, value name
  bool guestAccount = false;
  std::vector<std::string> rights;
};
RecipeReach ReachOf(const Recipe& recipe);

// The present state of everything the recipe is about to change.
SavedSettings CaptureBefore(platform::Platform& platform, const Recipe& recipe);

// Adds to `first` what `later` holds and `first` lacks: a setting Plinvo had not touched before
// still has the computer's own state.
void AddMissing(SavedSettings& first, const SavedSettings& later);

}  // namespace sharemode
