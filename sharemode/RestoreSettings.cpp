#include "sharemode/RestoreSettings.h"

#include <algorithm>

#include "app/Global.h"
#include "app/MessageText.h"
#include "platform/ErrorWords.h"
#include "sharemode/LocalMachineKey.h"
#include "sharemode/RestorableSettings.h"
#include "sharemode/StartupSettings.h"

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
    {"enablesecuritysignature", "The Server service offers signing to visitors"},
};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string SettingName(const SavedValue& value) {
  if (IsNetBiosSetting(value)) {
    return "NetBIOS over TCP/IP of the network adapter " +
           value.keyPath.substr(value.keyPath.find_last_of('_') + 1);
  }
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
    if (IsNetBiosSetting(value)) {
      static const char* const kNetBios[] = {"as the network's DHCP server says", "on", "off"};
      return kNetBios[number];  // a saved setting of three states (IsNetBiosSetting)
    }
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

std::string ServiceWords(const std::string& service) {
  return service == kBrowserService ? "The Computer Browser service starts"
                                    : "The service " + service + " starts";
}

const char* StartTypeWords(std::uint32_t startType) {
  if (startType == 2) return "automatically";
  if (startType == 3) return "when asked (manually)";
  return "never (disabled)";
}

std::string ValueLine(const SavedValue& value) {
  return app::FormatMessageText("- %s: %s", {SettingName(value), StateWords(value)});
}
std::string GuestLine(bool enabled) {
  return app::FormatMessageText("- %s: %s", {GuestWords(), enabled ? "enabled" : "disabled"});
}
std::string RightLine(const std::string& right, bool held) {
  return app::FormatMessageText("- %s: %s", {RightWords(right), held ? "yes" : "no"});
}
std::string ServiceLine(const std::string& service, std::uint32_t startType) {
  return app::FormatMessageText("- %s: %s", {ServiceWords(service), StartTypeWords(startType)});
}

void AddOnce(std::vector<std::string>& lines, const std::string& line) {
  if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
}

// A network adapter's key goes with the adapter: it is never made again, and for an adapter
// removed since, kErrorFileNotFound says that its setting has gone with it.
long RestoreValue(platform::Registry& registry, const SavedValue& value) {
  if (value.present && !IsNetBiosSetting(value)) {
    LocalMachineKey key(registry, value.keyPath);
    return key.SetValue(value.name, value.data);
  }
  platform::Handle handle = 0;
  const long opened = registry.OpenLocalMachineKey(SubKeyFromRoot(value.keyPath), handle);
  // No key: no value either.
  if (opened == platform::kErrorFileNotFound) return value.present ? opened : 0;
  if (opened != 0) return opened;
  long result = value.present ? registry.SetValue(handle, value.name, value.data)
                              : registry.DeleteValue(handle, value.name);
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
  for (const SavedValue& value : saved.values) AddOnce(lines, ValueLine(value));
  if (saved.guestEnabled) AddOnce(lines, GuestLine(*saved.guestEnabled));
  for (const auto& right : saved.guestRights) AddOnce(lines, RightLine(right.first, right.second));
  for (const auto& service : saved.serviceStartTypes) {
    AddOnce(lines, ServiceLine(service.first, service.second));
  }
  return lines;
}

RestoreOutcome RestoreSettings(platform::Platform& platform, const std::string& programFolder,
                               const SavedSettings& record) {
  ScreenedSettings screened = ScreenSettings(record);
  const SavedSettings& saved = screened.allowed;
  RestoreOutcome outcome;
  outcome.ignored = std::move(screened.ignored);
  // Each setting is read first: one already as saved is not changed back, nor said to be.
  for (const SavedValue& value : saved.values) {
    const std::optional<SavedValue> present =
        ReadPresentValue(platform.registry, value.keyPath, value.name);
    if (present && SameState(*present, value)) continue;
    const long result = RestoreValue(platform.registry, value);
    // An adapter gone since took its setting along: nothing went back, and nothing failed.
    if (result == platform::kErrorFileNotFound && IsNetBiosSetting(value)) continue;
    if (result == 0) {
      AddOnce(outcome.changedBack, ValueLine(value));
    } else {
      AddOnce(outcome.failures,
              app::FormatMessageText("%s (%s) could not be set back: %s",
                                     {SettingName(value), value.name,
                                      platform::ErrorWords(static_cast<std::uint32_t>(result))}));
    }
  }
  if (saved.guestEnabled) {
    std::uint32_t flags = 0;
    const bool known = platform.shareService.UserFlags(u"Guest", flags) == platform::kSuccess;
    constexpr std::uint32_t kAccountDisabled = 0x2;  // UF_ACCOUNTDISABLE
    if (!known || ((flags & kAccountDisabled) == 0) != *saved.guestEnabled) {
      const std::string commandLine = std::string("net user ") + kGuestAccount +
                                      " /active:" + (*saved.guestEnabled ? "yes" : "no");
      const std::string failure =
          ToolFailure(app::RunHiddenCommandForExitCode(platform, commandLine, 1));
      if (failure.empty()) {
        outcome.changedBack.push_back(GuestLine(*saved.guestEnabled));
      } else {
        outcome.failures.push_back(app::FormatMessageText(
            "%s could not be %s: %s.",
            {GuestWords(), *saved.guestEnabled ? "enabled" : "disabled", failure}));
      }
    }
  }
  std::vector<std::string> held;
  const bool rightsKnown =
      !saved.guestRights.empty() && platform.accountRights.Enumerate(kGuestAccount, held) == 0;
  for (const auto& right : saved.guestRights) {
    if (rightsKnown &&
        (std::find(held.begin(), held.end(), right.first) != held.end()) == right.second) {
      continue;
    }
    const std::string commandLine = "\"" + programFolder + "myright.exe\" -u " + kGuestAccount +
                                    (right.second ? " +r " : " -r ") + right.first;
    const std::string failure =
        ToolFailure(app::RunHiddenCommandForExitCode(platform, commandLine, 1));
    if (failure.empty()) {
      outcome.changedBack.push_back(RightLine(right.first, right.second));
    } else {
      outcome.failures.push_back(app::FormatMessageText(
          "%s (%s) could not be set back: %s.", {RightWords(right.first), right.first, failure}));
    }
  }
  // With the tool the start-up sets it with.
  for (const auto& service : saved.serviceStartTypes) {
    platform::ServiceState state;
    if (platform.services.Query(service.first, state) == platform::kSuccess &&
        state.startType == service.second) {
      continue;
    }
    const std::string commandLine =
        "sc config " + service.first + " start= " + StartTypeWord(service.second);
    const std::string failure =
        ToolFailure(app::RunHiddenCommandForExitCode(platform, commandLine, 1));
    if (failure.empty()) {
      outcome.changedBack.push_back(ServiceLine(service.first, service.second));
    } else {
      outcome.failures.push_back(app::FormatMessageText(
          "%s %s could not be set again: %s.",
          {ServiceWords(service.first), StartTypeWords(service.second), failure}));
    }
  }
  return outcome;
}

std::string RestoreReport(const RestoreOutcome& outcome) {
  const char* restart = "You need to RESTART this computer to take effect!";
  const std::string ignored = IgnoredText(outcome.ignored);
  std::string changed;
  for (const std::string& line : outcome.changedBack) changed += line + "\n";
  if (outcome.failures.empty()) {
    if (changed.empty()) {
      return "The settings were already as saved: nothing had to be changed back." + ignored;
    }
    return "The settings are back as they were. Changed back:\n" + changed + "\n\n" + restart +
           ignored;
  }
  std::string text = "Not every setting could be set back:\n";
  for (const std::string& failure : outcome.failures) text += "- " + failure + "\n";
  if (changed.empty()) return text + "\nNothing was changed." + ignored;
  return text + "\nChanged back:\n" + changed + "\n\n" + restart + ignored;
}

std::string IgnoredText(const std::vector<std::string>& ignored) {
  if (ignored.empty()) return std::string();
  std::string text = "\n\nThe saved settings named more than Plinvo ever changes:";
  for (const std::string& line : ignored) text += "\n- " + line;
  return text;
}

}  // namespace sharemode
