#include "sharemode/ChangeTime.h"

#include "sharemode/RecordsFolder.h"

namespace sharemode {
namespace {

constexpr const char* kFileName = "\\last-change.txt";

// "-"? and up to 18 digits, then an optional line end: anything else is not a time of ours.
bool ParseSeconds(std::string text, std::int64_t& seconds) {
  if (!text.empty() && text.back() == '\n') text.pop_back();
  if (!text.empty() && text.back() == '\r') text.pop_back();
  const bool negative = !text.empty() && text[0] == '-';
  const std::string digits = negative ? text.substr(1) : text;
  if (digits.empty() || digits.size() > 18 ||
      digits.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  std::int64_t number = 0;
  for (char digit : digits) number = number * 10 + (digit - '0');
  seconds = negative ? -number : number;
  return true;
}

// Written digit by digit: the library's formatting of a 64-bit number would bring its own copy of
// the digit table that the program's 32-bit numbers already use.
std::string SecondsText(std::int64_t seconds) {
  std::uint64_t magnitude =
      seconds < 0 ? 0 - static_cast<std::uint64_t>(seconds) : static_cast<std::uint64_t>(seconds);
  std::string text;
  do {
    text.insert(text.begin(), static_cast<char>('0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (seconds < 0) text.insert(text.begin(), '-');
  return text;
}

}  // namespace

bool RecordChangeTime(platform::FileSystem& files, std::int64_t secondsSince1970) {
  const MadeRecordsFolder folder = MakeRecordsFolder(files);
  if (folder.path.empty()) return false;
  return files.ReplaceFile(folder.path + kFileName, SecondsText(secondsSince1970) + "\r\n");
}

ChangeTime ReadChangeTime(platform::FileSystem& files) {
  const RecordsFolder folder = FindRecordsFolder(files);
  ChangeTime time;
  if (folder.state == RecordsFolder::State::Unknown) {
    time.state = ChangeTime::State::Unreadable;
    return time;
  }
  time.path = folder.path + kFileName;
  if (folder.state == RecordsFolder::State::Missing || !files.FileExists(time.path)) return time;
  if (folder.state == RecordsFolder::State::HeldByOthers) {
    time.state = ChangeTime::State::Untrusted;
    return time;
  }
  std::string text;
  time.state = files.ReadFile(time.path, text) && ParseSeconds(text, time.seconds)
                   ? ChangeTime::State::Read
                   : ChangeTime::State::Unreadable;
  return time;
}

}  // namespace sharemode
