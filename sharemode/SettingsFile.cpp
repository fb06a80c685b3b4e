#include "sharemode/SettingsFile.h"

namespace sharemode {
namespace {
constexpr const char* kSection = "ShareMode";
constexpr const char* kKey = "Mode";
// No written mode is this far out of range; the profile reader hands it back for a missing key.
constexpr int kNoMode = -2147483647;
}  // namespace

std::string SettingsFilePath(const std::string& programFolder) {
  return programFolder + "config.ini";
}

int ReadRecordedShareMode(platform::ProfileFile& profile, const std::string& programFolder,
                          int whenMissing) {
  return profile.GetInt(kSection, kKey, whenMissing, SettingsFilePath(programFolder));
}

void RecordShareMode(platform::ProfileFile& profile, const std::string& programFolder, int mode) {
  profile.WriteString(kSection, kKey, std::to_string(mode), SettingsFilePath(programFolder));
}

bool HasRecordedShareMode(platform::ProfileFile& profile, const std::string& programFolder) {
  return profile.GetInt(kSection, kKey, kNoMode, SettingsFilePath(programFolder)) != kNoMode;
}

}  // namespace sharemode
