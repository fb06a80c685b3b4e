#include "sharemode/SettingsHistory.h"

#include <vector>

#include "sharemode/RecordsFolder.h"

namespace sharemode {
namespace {

constexpr const char* kHeader = "Plinvo saved settings 1";
constexpr const char* kFileName = "\\settings-before.txt";

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string text;
  for (unsigned char c : bytes) {
    text.push_back(digits[c >> 4]);
    text.push_back(digits[c & 0xF]);
  }
  return text;
}

bool FromHex(const std::string& text, std::string& bytes) {
  if (text.size() % 2 != 0) return false;
  auto nibble = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  bytes.clear();
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int high = nibble(text[i]);
    const int low = nibble(text[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  return true;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::string::size_type start = 0;
  for (;;) {
    const std::string::size_type tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

// Names and keys are written between tabs and line ends: they must hold neither.
bool Plain(const std::string& text) { return text.find_first_of("\t\r\n") == std::string::npos; }

// Written without the stream library, which would bring its locale machinery into the program.
void FormatRecord(std::string& out, const char* title, const SavedSettings& record) {
  out += std::string("[") + title + "]\n";
  for (const SavedValue& value : record.values) {
    out += "value\t" + value.keyPath + '\t' + value.name + '\t';
    out += value.present ? std::to_string(value.data.type) + '\t' + Hex(value.data.bytes) + '\n'
                         : std::string("absent\n");
  }
  if (record.guestEnabled) {
    out += std::string("guest\t") + (*record.guestEnabled ? "enabled" : "disabled") + '\n';
  }
  for (const auto& right : record.guestRights) {
    out += "right\t" + right.first + '\t' + (right.second ? "held" : "not held") + '\n';
  }
  for (const auto& service : record.serviceStartTypes) {
    out += "service\t" + service.first + '\t' + std::to_string(service.second) + '\n';
  }
}

// A decimal number of at most nine digits.
bool ParseNumber(const std::string& text, std::uint32_t& number) {
  if (text.empty() || text.size() > 9 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  number = 0;
  for (char digit : text) number = number * 10 + static_cast<std::uint32_t>(digit - '0');
  return true;
}

bool ParseLine(const std::vector<std::string>& fields, SavedSettings& record) {
  if (fields[0] == "value" && fields.size() == 4 && fields[3] == "absent") {
    record.values.push_back(SavedValue{fields[1], fields[2], false, {}});
    return true;
  }
  if (fields[0] == "value" && fields.size() == 5) {
    SavedValue value{fields[1], fields[2], true, {}};
    if (!ParseNumber(fields[3], value.data.type) || !FromHex(fields[4], value.data.bytes)) {
      return false;
    }
    record.values.push_back(std::move(value));
    return true;
  }
  if (fields[0] == "guest" && fields.size() == 2 &&
      (fields[1] == "enabled" || fields[1] == "disabled")) {
    record.guestEnabled = fields[1] == "enabled";
    return true;
  }
  if (fields[0] == "right" && fields.size() == 3 &&
      (fields[2] == "held" || fields[2] == "not held")) {
    record.guestRights[fields[1]] = fields[2] == "held";
    return true;
  }
  std::uint32_t startType = 0;
  if (fields[0] == "service" && fields.size() == 3 && ParseNumber(fields[2], startType)) {
    record.serviceStartTypes[fields[1]] = startType;
    return true;
  }
  return false;
}

}  // namespace

std::string HistoryFilePath(platform::FileSystem& files) {
  const RecordsFolder folder = FindRecordsFolder(files);
  return folder.path.empty() ? std::string() : folder.path + kFileName;
}

std::string FormatHistory(const SettingsHistory& history) {
  std::string out = std::string(kHeader) + '\n';
  if (history.first) FormatRecord(out, "first", *history.first);
  if (history.last) FormatRecord(out, "last", *history.last);
  return out;
}

bool ParseHistory(const std::string& text, SettingsHistory& history) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  while (start < text.size()) {
    const std::string::size_type end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end == std::string::npos ? text.size() : end + 1;
  }
  if (lines.empty() || lines[0] != kHeader) return false;
  SettingsHistory read;
  std::optional<SavedSettings>* current = nullptr;
  for (std::size_t index = 1; index < lines.size(); ++index) {
    const std::string& line = lines[index];
    if (line == "[first]" || line == "[last]") {
      current = line == "[first]" ? &read.first : &read.last;
      if (current->has_value()) return false;
      current->emplace();
      continue;
    }
    if (current == nullptr || !ParseLine(Fields(line), **current)) return false;
  }
  history = std::move(read);
  return true;
}

HistoryRead LoadHistory(platform::FileSystem& files, SettingsHistory& history,
                        RecordsFolder::State* found) {
  history = SettingsHistory{};
  const RecordsFolder folder = FindRecordsFolder(files);
  if (found != nullptr) *found = folder.state;
  if (folder.state == RecordsFolder::State::Unknown) return HistoryRead::Unreadable;
  const std::string path = folder.path + kFileName;
  if (folder.state == RecordsFolder::State::Missing || !files.FileExists(path)) {
    return HistoryRead::Read;
  }
  if (folder.state == RecordsFolder::State::HeldByOthers) return HistoryRead::Untrusted;
  std::string text;
  if (!files.ReadFile(path, text) || !ParseHistory(text, history)) {
    history = SettingsHistory{};
    return HistoryRead::Unreadable;
  }
  return HistoryRead::Read;
}

bool SaveHistory(platform::FileSystem& files, const SettingsHistory& history) {
  const MadeRecordsFolder folder = MakeRecordsFolder(files);
  if (folder.path.empty()) return false;
  const std::string path = folder.path + kFileName;
  if (!history.first && !history.last) return !files.FileExists(path) || files.DeleteFile(path);
  for (const std::optional<SavedSettings>* record : {&history.first, &history.last}) {
    if (!record->has_value()) continue;
    for (const SavedValue& value : (*record)->values) {
      if (!Plain(value.keyPath) || !Plain(value.name)) return false;
    }
    for (const auto& right : (*record)->guestRights) {
      if (!Plain(right.first)) return false;
    }
    for (const auto& service : (*record)->serviceStartTypes) {
      if (!Plain(service.first)) return false;
    }
  }
  return files.ReplaceFile(path, FormatHistory(history));
}

SavedBeforeChange SaveBeforeChange(platform::Platform& platform, const Recipe& recipe,
                                   bool sameModeAgain) {
  SettingsHistory history;
  // A record in a folder held by someone else is never read: the history starts afresh in a
  // folder of ours.
  if (LoadHistory(platform.files, history) == HistoryRead::Unreadable) return {};
  const MadeRecordsFolder folder = MakeRecordsFolder(platform.files);
  if (folder.path.empty()) return {};
  const SavedSettings now = CaptureBefore(platform, recipe);
  if (!history.first) history.first.emplace();
  AddMissing(*history.first, now);
  // The recorded mode applied again (the sharing check's Fix, or "Apply" on it) completes the
  // change that mode made: what was there before it stays the record, also for a setting that
  // someone changed in between. Any other mode is a change of its own, and only what it really
  // changes is saved: a setting it leaves as it is stays so when it is undone.
  if (!sameModeAgain || !history.last) {
    SavedSettings changed = ChangedBy(recipe, now);
    history.last.reset();
    if (!changed.Empty()) history.last = std::move(changed);
  }
  if (!SaveHistory(platform.files, history)) return {};
  return {true, folder.path, folder.instead};
}

}  // namespace sharemode
