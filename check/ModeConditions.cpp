// Whether the settings of the recorded mode are still in force, and whether the restart the
// mode asks for is still owed.
#include "check/Rows.h"
#include "sharemode/LocalMachineKey.h"
#include "sharemode/SettingsFile.h"
#include "sharemode/ShareModeRecipes.h"

namespace check {
namespace {

std::string ValueText(const sharemode::ValueWrite& value) {
  return value.type == sharemode::ValueWrite::Type::Dword ? std::to_string(value.dword)
                                                          : "\"" + std::string(value.text) + "\"";
}

std::string DataText(const platform::RegistryData& data) {
  if (const auto number = platform::DwordOf(data)) return std::to_string(*number);
  if (const auto text = platform::TextOf(data)) return "\"" + *text + "\"";
  return "a value of another type";
}

bool Same(const sharemode::ValueWrite& value, const platform::RegistryData& data) {
  if (value.type == sharemode::ValueWrite::Type::Dword)
    return platform::DwordOf(data) == value.dword;
  return platform::TextOf(data) == value.text;
}

// A key opened for reading, closed on every path.
class ReadKey {
 public:
  ReadKey(platform::Registry& registry, const std::string& path) : m_registry(registry) {
    m_result = registry.OpenLocalMachineKeyForReading(sharemode::SubKeyFromRoot(path), m_key);
  }
  ~ReadKey() {
    if (m_result == 0) m_registry.CloseKey(m_key);
  }
  ReadKey(const ReadKey&) = delete;
  ReadKey& operator=(const ReadKey&) = delete;
  long result() const { return m_result; }
  long Query(const std::string& name, platform::RegistryData& data) {
    return m_result == 0 ? m_registry.QueryValue(m_key, name, data) : m_result;
  }

 private:
  platform::Registry& m_registry;
  platform::Handle m_key = 0;
  long m_result = 0;
};

}  // namespace

void CheckDrift(const CheckInput& input, std::vector<Finding>& rows) {
  const std::string mode = ModeName(input.mode);
  const std::string what = "Settings of " + mode;
  const sharemode::Recipe& recipe = sharemode::RecipeFor(input.mode);
  int count = 0;
  std::vector<std::string> changed;
  std::string unreadable;
  for (const sharemode::RecipeStep& step : recipe.steps) {
    if (step.action != sharemode::RecipeStep::Action::Write) continue;
    ReadKey key(input.platform.registry, step.keyPath);
    for (const sharemode::ValueWrite& value : step.values) {
      ++count;
      platform::RegistryData data;
      const long result = key.Query(value.name, data);
      const std::string where = sharemode::SubKeyFromRoot(step.keyPath) + "\\" + value.name;
      if (result == platform::kErrorFileNotFound) {
        changed.push_back(where + " is missing, needs " + ValueText(value));
      } else if (result != 0) {
        if (unreadable.empty())
          unreadable = "Plinvo could not read " + where + ": " + ErrorText(result);
      } else if (!Same(value, data)) {
        changed.push_back(where + " is " + DataText(data) + ", needs " + ValueText(value));
      }
    }
  }
  const std::string needed = "the " + std::to_string(count) + " values " + mode + " writes";
  if (!changed.empty()) {
    Finding row = Row(
        Shortfall(input.mode), what,
        std::to_string(changed.size()) + " of " + std::to_string(count) + " values changed", needed,
        "Another program, a policy or a Windows update has changed settings that " + mode +
            " wrote, so this computer no longer works the way the mode promises. Changed: " +
            Joined(changed, "; ") + ". Press Fix to apply " + mode +
            " again (Plinvo asks first, as \"Apply\" does), then restart the computer.");
    row.fix = FixKind::ApplyMode;
    rows.push_back(row);
    return;
  }
  if (!unreadable.empty()) {
    rows.push_back(Unreadable(what, needed, unreadable));
    return;
  }
  if (!input.modeRecorded) {
    rows.push_back(Row(Status::WorthKnowing, what, "no mode applied yet", needed,
                       "Plinvo has not applied a share mode on this computer yet (config.ini "
                       "records none). The values happen to match " +
                           mode + "; choose a mode and press \"Apply\" to be sure of all of it."));
    return;
  }
  rows.push_back(Row(Status::Holds, what, "all " + std::to_string(count) + " as applied", needed,
                     "Every registry value " + mode + " writes is still as Plinvo left it."));
}

void CheckRestart(const CheckInput& input, std::vector<Finding>& rows) {
  const std::string what = "Restart after applying";
  const std::string mode = ModeName(input.mode);
  const std::int64_t applied =
      sharemode::ReadApplyTime(input.platform.profile, input.programFolder);
  const std::string needed = SharesFolders(input.mode) ? "a restart after applying" : "none";
  if (applied == 0) {
    rows.push_back(Unreadable(what, needed,
                              "Plinvo has no record of when the mode was applied (it was "
                              "applied by an earlier version of Plinvo, or never)."));
    return;
  }
  const std::int64_t started =
      input.platform.clock.SecondsSince1970() -
      static_cast<std::int64_t>(input.platform.clock.MillisecondsSinceStart() / 1000);
  if (applied < started) {
    rows.push_back(Row(Status::Holds, what, "restarted since", needed,
                       "The computer has started again since " + mode +
                           " was applied, so Windows uses every setting the mode wrote."));
    return;
  }
  if (!SharesFolders(input.mode)) {
    rows.push_back(Row(Status::WorthKnowing, what, "not restarted since", needed,
                       "Stop Share needs no restart, but visitors who were connected before it "
                       "was applied keep their connections until they close them or the "
                       "computer restarts."));
    return;
  }
  rows.push_back(Row(Status::Blocks, what, "not restarted since", needed,
                     mode + " was applied after this computer last started. Windows reads some of "
                            "the changed settings only when it starts, so until the computer "
                            "restarts visitors may still be treated the old way. Restart the "
                            "computer."));
}

}  // namespace check
