#include "sharemode/RestoreSettings.h"

#include <algorithm>

#include "app/Global.h"
#include "app/MessageText.h"
#include "sharemode/LocalMachineKey.h"
#include "sharemode/RestorableSettings.h"

namespace sharemode {
namespace {

struct SettingWords {
  const char* valueName;
  const char* words;
};

// What each value of the recipes means to someone who is no network expert.
const SettingWords kSettingWords[] = {
    {"restrictanonymous", "Anonymous visitors kept from listing accounts and shares"},
    {"limitblankpassworduse", "Network logons with a blank password refused"},
    {"EnableFirewall", "Windows Firewall"},
    {"DoNotAllowExceptions", "Windows Firewall without exceptions"},
    {"DisableNotifications", "Windows Firewall notifications switched off"},
    {"forceguest", "Every network visitor comes in as the guest account"},
};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string SettingName(const SavedValue& value) {
  for (const SettingWords& entry : kSettingWords) {
    if (Lower(entry.valueName) == Lower(value.name)) return entry.words;
  }
  // The firewall's port list names each entry "<port>:<protocol>".
  if (value.name.find(':') != std::string::npos) return "Firewall opening for port " + value.name;
  return value.name;
}

std::uint32_t DwordOf(const std::string& bytes) {
  std::uint32_t number = 0;
  for (std::size_t i = 0; i < 4 && i < bytes.size(); ++i) {
    number |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
  }
  return number;
}

std::string StateWords(const SavedValue& value) {
  if (!value.present) return "not set (the value is removed)";
  if (value.data.type == platform::kRegDword && value.data.bytes.size() == 4) {
    const std::uint32_t number = DwordOf(value.data.bytes);
    if (number == 0) return "off";
    if (number == 1) return "on";
    return std::to_string(number);
  }
  if (value.data.type == platform::kRegString) {
    const std::string text = value.data.bytes.substr(0, value.data.bytes.find('\0'));
    if (text.find(":Enabled:") != std::string::npos) return "open";
    if (text.find(":Disabled:") != std::string::npos) return "closed";
    return "\"" + text + "\"";
  }
  return "as before";
}

std::string RightWords(const std::string& right) {
  if (right == "SeNetworkLogonRight") return "The guest account may log on from the network";
  if (right == "SeDenyNetworkLogonRight") {
    return "The guest account is refused logon from the network";
  }
  return "The guest account holds the right " + right;
}

std::string GuestWords() { return "The guest account"; }

void AddOnce(std::vector<std::string>& lines, const std::string& line) {
  if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
}

long RestoreValue(platform::Registry& registry, const SavedValue& value) {
  if (value.present) {
    LocalMachineKey key(registry, value.keyPath);
    return key.SetValue(value.name, value.data);
  }
  platform::Handle handle = 0;
  const long opened = registry.OpenLocalMachineKey(SubKeyFromRoot(value.keyPath), handle);
  if (opened == platform::kErrorFileNotFound) return 0;  // no key, so no value either
  if (opened != 0) return opened;
  long result = registry.DeleteValue(handle, value.name);
  registry.CloseKey(handle);
  if (result == platform::kErrorFileNotFound) result = 0;
  return result;
}

// A tool's outcome in words: "" when it ran and answered 0.
std::string ToolFailure(const std::optional<std::uint32_t>& exitCode) {
  if (!exitCode) return "the tool could not be started";
  if (*exitCode != 0) return "the tool answered " + std::to_string(*exitCode);
  return std::string();
}

}  // namespace

std::vector<std::string> DescribeSettings(const SavedSettings& saved) {
  std::vector<std::string> lines;
  for (const SavedValue& value : saved.values) {
    AddOnce(lines, app::FormatMessageText("- %s: %s", {SettingName(value), StateWords(value)}));
  }
  if (saved.guestEnabled) {
    AddOnce(lines, app::FormatMessageText(
                       "- %s: %s", {GuestWords(), *saved.guestEnabled ? "enabled" : "disabled"}));
  }
  for (const auto& right : saved.guestRights) {
    AddOnce(lines, app::FormatMessageText("- %s: %s",
                                          {RightWords(right.first), right.second ? "yes" : "no"}));
  }
  return lines;
}

RestoreOutcome RestoreSettings(platform::Platform& platform, const std::string& programFolder,
                               const SavedSettings& record) {
  ScreenedSettings screened = ScreenSettings(record);
  const SavedSettings& saved = screened.allowed;
  RestoreOutcome outcome;
  outcome.ignored = std::move(screened.ignored);
  for (const SavedValue& value : saved.values) {
    const long result = RestoreValue(platform.registry, value);
    if (result == 0) {
      ++outcome.done;
    } else {
      AddOnce(outcome.failures,
              app::FormatMessageText("%s (%s) could not be set back (error %s).",
                                     {SettingName(value), value.name, std::to_string(result)}));
    }
  }
  if (saved.guestEnabled) {
    const std::string commandLine = std::string("net user ") + kGuestAccount +
                                    " /active:" + (*saved.guestEnabled ? "yes" : "no");
    const std::string failure =
        ToolFailure(app::RunHiddenCommandForExitCode(platform, commandLine, 1));
    if (failure.empty()) {
      ++outcome.done;
    } else {
      outcome.failures.push_back(app::FormatMessageText(
          "%s could not be %s: %s.",
          {GuestWords(), *saved.guestEnabled ? "enabled" : "disabled", failure}));
    }
  }
  for (const auto& right : saved.guestRights) {
    const std::string commandLine = "\"" + programFolder + "myright.exe\" -u " + kGuestAccount +
                                    (right.second ? " +r " : " -r ") + right.first;
    const std::string failure =
        ToolFailure(app::RunHiddenCommandForExitCode(platform, commandLine, 1));
    if (failure.empty()) {
      ++outcome.done;
    } else {
      outcome.failures.push_back(app::FormatMessageText(
          "%s (%s) could not be set back: %s.", {RightWords(right.first), right.first, failure}));
    }
  }
  return outcome;
}

std::string RestoreReport(const RestoreOutcome& outcome) {
  const char* restart = "You need to RESTART this computer to take effect!";
  const std::string ignored = IgnoredText(outcome.ignored);
  if (outcome.failures.empty()) {
    return "The settings are back as they were.\n\n\n" + std::string(restart) + ignored;
  }
  std::string text = "Not every setting could be set back:\n";
  for (const std::string& failure : outcome.failures) text += "- " + failure + "\n";
  if (outcome.done == 0) return text + "\nNothing was changed." + ignored;
  text += "\nThe other " + std::to_string(outcome.done) +
          (outcome.done == 1 ? " setting is" : " settings are") + " back as they were.\n\n\n" +
          restart;
  return text + ignored;
}

std::string IgnoredText(const std::vector<std::string>& ignored) {
  if (ignored.empty()) return std::string();
  std::string text = "\n\nThe saved settings named more than Plinvo ever changes:";
  for (const std::string& line : ignored) text += "\n- " + line;
  return text;
}

}  // namespace sharemode
