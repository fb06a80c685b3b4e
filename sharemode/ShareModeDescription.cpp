#include "sharemode/ShareModeDescription.h"

#include <array>

#include "app/MessageText.h"

namespace sharemode {
namespace {

// By mode index: "Stop Share", "Zendry Share", "Normal Share".
constexpr std::array<const char*, 3> kDescriptionFiles = {
    "stop_share_help.rtf", "zendry_share_help.rtf", "normal_share_help.rtf"};

}  // namespace

const char* DescriptionFileName(int mode) {
  if (mode < 0 || mode >= static_cast<int>(kDescriptionFiles.size())) return nullptr;
  return kDescriptionFiles[static_cast<std::size_t>(mode)];
}

platform::Status LoadDescription(platform::FileSystem& files, const std::string& path,
                                 ui::RichText& memo) {
  std::string bytes;
  if (!files.ReadFile(path, bytes)) {
    return platform::Failure{app::FormatMessageText("Cannot open file %s", {path})};
  }
  // A description saved by an ordinary editor as plain text still deserves to be shown.
  if (memo.StreamIn(bytes, ui::StreamFormat::RichText)) return {};
  if (memo.StreamIn(bytes, ui::StreamFormat::PlainText)) return {};
  return platform::Failure{"Failed to Load Stream"};
}

}  // namespace sharemode
