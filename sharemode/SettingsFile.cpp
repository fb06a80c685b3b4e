#include "sharemode/SettingsFile.h"

namespace sharemode {
namespace {
constexpr const char* kSection = "ShareMode";
constexpr const char* kKey = "Mode";
constexpr const char* kAppliedKey = "Applied";
// No written mode is this far out of range; the profile reader hands it back for a missing key.
constexpr int kNoMode = -2147483647;
}  // namespace

std::string SettingsFilePath(const std::string& programFolder) {
  return programFolder + "config.ini";
}

int ReadRecordedShareMode(platform::ProfileFile& profile, const std::string& programFolder) {
  return profile.GetInt(kSection, kKey, kDefaultShareMode, SettingsFilePath(programFolder));
}

void RecordShareMode(platform::ProfileFile& profile, const std::string& programFolder, int mode) {
  profile.WriteString(kSection, kKey, std::to_string(mode), SettingsFilePath(programFolder));
}

bool HasRecordedShareMode(platform::ProfileFile& profile, const std::string& programFolder) {
  return profile.GetInt(kSection, kKey, kNoMode, SettingsFilePath(programFolder)) != kNoMode;
}

void RecordApplyTime(platform::ProfileFile& profile, const std::string& programFolder,
                     std::int64_t secondsSince1970) {
  profile.WriteString(kSection, kAppliedKey, std::to_string(secondsSince1970),
                      SettingsFilePath(programFolder));
}

std::int64_t ReadApplyTime(platform::ProfileFile& profile, const std::string& programFolder) {
  // The reader gives 32 bits; seconds since 1970 fit them unsigned until 2106.
  const int value = profile.GetInt(kSection, kAppliedKey, 0, SettingsFilePath(programFolder));
  return static_cast<std::int64_t>(static_cast<std::uint32_t>(value));
}

}  // namespace sharemode
