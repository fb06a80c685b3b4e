#include "sharemode/RestorableSettings.h"

#include <algorithm>
#include <cctype>

#include "app/MessageText.h"
#include "sharemode/ServerSigning.h"
#include "sharemode/StartupSettings.h"

namespace sharemode {
namespace {

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

struct Reaches {
  RecipeReach modes[3] = {ReachOf(RecipeFor(0)), ReachOf(RecipeFor(1)), ReachOf(RecipeFor(2))};

  bool Writes(const SavedValue& value) const {
    for (const RecipeReach& reach : modes) {
      for (const auto& item : reach.values) {
        if (SameText(item.first, value.keyPath) && SameText(item.second, value.name)) return true;
      }
    }
    return false;
  }
  // Rights are named exactly as the system names them: no other spelling is taken.
  bool Changes(const std::string& right) const {
    for (const RecipeReach& reach : modes) {
      for (const std::string& reached : reach.rights) {
        if (reached == right) return true;
      }
    }
    return false;
  }
  bool SwitchesGuest() const {
    for (const RecipeReach& reach : modes) {
      if (reach.guestAccount) return true;
    }
    return false;
  }
};

}  // namespace

ScreenedSettings ScreenSettings(const SavedSettings& record) {
  const Reaches reaches;
  ScreenedSettings screened;
  for (const SavedValue& value : record.values) {
    if (reaches.Writes(value) || IsNetBiosSetting(value) || IsServerSigningSetting(value)) {
      screened.allowed.values.push_back(value);
    } else {
      screened.ignored.push_back(
          app::FormatMessageText("The value HKLM%s\\%s was ignored: no share mode writes it.",
                                 {value.keyPath, value.name}));
    }
  }
  if (reaches.SwitchesGuest()) screened.allowed.guestEnabled = record.guestEnabled;
  for (const auto& right : record.guestRights) {
    if (reaches.Changes(right.first)) {
      screened.allowed.guestRights.insert(right);
    } else {
      screened.ignored.push_back(app::FormatMessageText(
          "The right %s was ignored: no share mode grants or revokes it.", {right.first}));
    }
  }
  // The start-up sets one service, and only to one of the start types it may have had.
  for (const auto& service : record.serviceStartTypes) {
    if (service.first == kBrowserService && StartTypeWord(service.second) != nullptr) {
      screened.allowed.serviceStartTypes.insert(service);
    } else {
      screened.ignored.push_back(app::FormatMessageText(
          "The start type %s of the service %s was ignored: Plinvo changes only how the "
          "Computer Browser service starts.",
          {std::to_string(service.second), service.first}));
    }
  }
  return screened;
}

}  // namespace sharemode
