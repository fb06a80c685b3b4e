// Whether the settings of the recorded mode are still in force, and whether the restart the
// mode asks for is still owed.
#include "check/Rows.h"
#include "sharemode/ChangeTime.h"
#include "sharemode/LocalMachineKey.h"
#include "sharemode/ShareModeRecipes.h"

namespace check {
namespace {

std::string ValueText(const sharemode::ValueWrite& value) {
  return value.type == sharemode::ValueWrite::Type::Dword
             ? std::to_string(value.dword)
             : FormatMessageText("\"%s\"", {value.text});
}

std::string DataText(const platform::RegistryData& data) {
  if (const auto number = platform::DwordOf(data)) return std::to_string(*number);
  if (const auto text = platform::TextOf(data)) return FormatMessageText("\"%s\"", {*text});
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
  ReadKey(platform::Registry& registry, const std::string& subKey) : m_registry(registry) {
    m_result = registry.OpenLocalMachineKeyForReading(subKey, m_key);
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
  if (input.mode == kNoMode) {
    // Nothing of Plinvo's to hold the computer to, and no mode to apply on the user's behalf.
    RowsAbout(rows, "Share mode", "a share mode applied with \"Apply\"")
        .Add(Status::WorthKnowing, ModeName(kNoMode),
             "No share mode has been applied by Plinvo on this computer (config.ini records "
             "none, as after a fresh install, \"Undo Last Mode Change...\" or \"Restore "
             "Windows Settings...\"), so Plinvo holds the computer's settings to no mode. To "
             "share folders, choose a mode on the \"Share Mode Setting\" page and press "
             "\"Apply\".");
    return;
  }
  const char* const mode = ModeName(input.mode);
  const sharemode::Recipe& recipe = sharemode::RecipeFor(input.mode);
  int count = 0;
  std::vector<std::string> changed;
  std::string unreadable;  // the first value that could not be read
  long unreadableError = 0;
  for (const sharemode::RecipeStep& step : recipe.steps) {
    if (step.action != sharemode::RecipeStep::Action::Write) continue;
    const std::string subKey = sharemode::SubKeyFromRoot(step.keyPath);
    ReadKey key(input.platform.registry, subKey);
    for (const sharemode::ValueWrite& value : step.values) {
      ++count;
      platform::RegistryData data;
      const long result = key.Query(value.name, data);
      const std::string where = FormatMessageText("%s\\%s", {subKey, value.name});
      if (result == platform::kErrorFileNotFound) {
        changed.push_back(FormatMessageText("%s is missing, needs %s", {where, ValueText(value)}));
      } else if (result != 0) {
        if (unreadableError == 0) {
          unreadable = where;
          unreadableError = result;
        }
      } else if (!Same(value, data)) {
        changed.push_back(
            FormatMessageText("%s is %s, needs %s", {where, DataText(data), ValueText(value)}));
      }
    }
  }
  const std::string total = std::to_string(count);
  RowsAbout settings(rows, FormatMessageText("Settings of %s", {mode}),
                     FormatMessageText("the %s values %s writes", {total, mode}));
  if (!changed.empty()) {
    Finding& row = settings.Add(
        Shortfall(input.mode),
        FormatMessageText("%s of %s values changed", {std::to_string(changed.size()), total}),
        "Another program, a policy or a Windows update has changed settings that %s wrote, so "
        "this computer no longer works the way the mode promises. Changed: %s. Press Fix to "
        "apply %s again (Plinvo asks first, as \"Apply\" does), then restart the computer.",
        {mode, Joined(changed, "; "), mode});
    row.fix = FixKind::ApplyMode;
    return;
  }
  if (unreadableError != 0) {
    settings.Unreadable("Plinvo could not read %s: %s", {unreadable, ErrorText(unreadableError)});
    return;
  }
  settings.Add(Status::Holds, FormatMessageText("all %s as applied", {total}),
               "Every registry value %s writes is still as Plinvo left it.", {mode});
}

void CheckRestart(const CheckInput& input, std::vector<Finding>& rows) {
  const char* const mode = ModeName(input.mode);
  const bool noMode = input.mode == kNoMode;
  RowsAbout restart(rows, "Restart after applying",
                    noMode                      ? "a restart after settings put back"
                    : SharesFolders(input.mode) ? "a restart after applying"
                                                : "none");
  const sharemode::ChangeTime recorded = sharemode::ReadChangeTime(input.platform.files);
  using State = sharemode::ChangeTime::State;
  if (noMode && recorded.state == State::None) {
    restart.Add(Status::Holds, "nothing applied",
                "No share mode has been applied by Plinvo, and Plinvo has put no settings back: "
                "no restart is owed for either.");
    return;
  }
  if (recorded.state == State::None) {
    restart.Unreadable(
        "Plinvo has no record of when the mode was applied (it was applied by an earlier "
        "version of Plinvo, or never).");
    return;
  }
  if (recorded.state == State::Untrusted) {
    restart.Unreadable(
        "Plinvo cannot trust the time recorded in %s: others than the "
        "administrators can change that folder.",
        {recorded.path});
    return;
  }
  if (recorded.state == State::Unreadable) {
    if (recorded.path.empty()) {
      restart.Unreadable("Windows did not tell Plinvo where the data folder of all users is.");
    } else {
      restart.Unreadable("The time of the last change cannot be read from %s.", {recorded.path});
    }
    return;
  }
  const std::int64_t now = input.platform.clock.SecondsSince1970();
  // Neither can be true of a time Plinvo wrote: someone changed the file, or the clock.
  if (recorded.seconds < 0) {
    restart.Unreadable("The time of the last change recorded in %s lies before 1970.",
                       {recorded.path});
    return;
  }
  if (recorded.seconds > now) {
    restart.Unreadable(
        "The time of the last change recorded in %s lies after the present time "
        "of this computer (was its clock set back?).",
        {recorded.path});
    return;
  }
  const std::int64_t applied = recorded.seconds;
  const std::int64_t started =
      now - static_cast<std::int64_t>(input.platform.clock.MillisecondsSinceStart() / 1000);
  if (noMode) {
    // The time is that of the last undo or restore.
    if (applied < started) {
      restart.Add(Status::Holds, "restarted since",
                  "No share mode has been applied by Plinvo; the computer has started again "
                  "since Plinvo last changed its settings.");
    } else {
      restart.Add(Status::WorthKnowing, "not restarted since",
                  "No share mode has been applied by Plinvo. It put settings back after this "
                  "computer last started, and Windows reads some of them only when it starts: "
                  "restart the computer so that all of them apply.");
    }
    return;
  }
  if (applied < started) {
    restart.Add(Status::Holds, "restarted since",
                "The computer has started again since %s was applied, so Windows uses every "
                "setting the mode wrote.",
                {mode});
    return;
  }
  if (!SharesFolders(input.mode)) {
    restart.Add(Status::WorthKnowing, "not restarted since",
                "Stop Share needs no restart, but visitors who were connected before it was "
                "applied keep their connections until they close them or the computer "
                "restarts.");
    return;
  }
  restart.Add(Status::Blocks, "not restarted since",
              "%s was applied after this computer last started. Windows reads some of the "
              "changed settings only when it starts, so until the computer restarts visitors "
              "may still be treated the old way. Restart the computer.",
              {mode});
}

}  // namespace check
