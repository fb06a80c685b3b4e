#include "platform/memory/MemoryProfileFile.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace platform::memory {
namespace {

// The reader copies a value into a buffer of this many characters, terminator included.
constexpr std::size_t kIntegerBuffer = 30;

// One line of the file as it stands, so that a write keeps every line it does not change.
struct Line {
  std::string text;  // without its line end
  std::string end;   // "\r\n", "\n", or "" for a last line without one
};

struct Entry {
  enum class Kind { Blank, Section, Key } kind = Kind::Blank;
  std::string name;   // section name, or key name with trailing blanks removed
  std::string value;  // a key's value, blanks removed at both ends
};

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0 || c == 0x1A; }

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

std::vector<Line> SplitLines(const std::string& content) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    const std::size_t newline = content.find('\n', start);
    if (newline == std::string::npos) {
      lines.push_back(Line{content.substr(start), ""});
      break;
    }
    std::string text = content.substr(start, newline - start);
    std::string end = "\n";
    if (!text.empty() && text.back() == '\r') {
      text.pop_back();
      end = "\r\n";
    }
    lines.push_back(Line{text, end});
    start = newline + 1;
  }
  return lines;
}

Entry Classify(const std::string& text) {
  std::size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  std::size_t last = text.size();
  while (last > first && IsBlank(text[last - 1])) --last;
  if (first == last) return Entry{};
  const std::string line = text.substr(first, last - first);
  if (line.front() == '[') {
    const std::size_t close = line.rfind(']');
    // A "[" without its "]" is read as an ordinary line, like the system does.
    if (close != std::string::npos)
      return Entry{Entry::Kind::Section, line.substr(1, close - 1), {}};
  }
  const std::size_t equals = line.find('=');
  std::string name = line.substr(0, equals);
  while (!name.empty() && IsBlank(name.back())) name.pop_back();
  std::string value;
  if (equals != std::string::npos) {
    std::size_t valueStart = equals + 1;
    while (valueStart < line.size() && IsBlank(line[valueStart])) ++valueStart;
    value = line.substr(valueStart);
  }
  // A comment line (";...") becomes a key whose name starts with ";", which no lookup matches.
  return Entry{Entry::Kind::Key, name, value};
}

// Where a key lives: the index of its section's header and of its own line, if present.
struct Location {
  std::optional<std::size_t> section;
  std::optional<std::size_t> key;
  std::size_t sectionEnd = 0;  // one past the section's last non-blank line
};

// Only the first section of a name is searched, as the system does with duplicated sections.
Location Find(const std::vector<Line>& lines, const std::string& section, const std::string& key) {
  Location where;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Entry entry = Classify(lines[i].text);
    if (entry.kind == Entry::Kind::Section) {
      if (where.section) break;
      if (EqualsIgnoringCase(entry.name, section)) {
        where.section = i;
        where.sectionEnd = i + 1;
      }
      continue;
    }
    if (!where.section || entry.kind == Entry::Kind::Blank) continue;
    where.sectionEnd = i + 1;
    if (!where.key && EqualsIgnoringCase(entry.name, key)) where.key = i;
  }
  return where;
}

// The value as it lands in the reader's buffer: the opening quote of a matching pair skipped,
// the rest cut to the buffer. The reader then drops the last character copied as the closing
// quote whenever the rest is no longer than the buffer, even when the cut had already taken the
// quote off (a rest of exactly `capacity` characters loses a character of its own).
std::string CopyValue(const std::string& value, std::size_t capacity) {
  std::string text = value;
  bool quoted = false;
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
      text.back() == text.front()) {
    text.erase(0, 1);
    quoted = true;
  }
  std::string copied = text.substr(0, capacity - 1);
  if (quoted && text.size() <= capacity) copied.pop_back();
  return copied;
}

std::string Join(const std::vector<Line>& lines) {
  std::string content;
  for (const Line& line : lines) content += line.text + line.end;
  return content;
}

}  // namespace

std::uint32_t ProfileTextToNumber(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size() && static_cast<unsigned char>(text[at]) <= ' ') ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  std::uint32_t base = 10;
  if (at + 1 < text.size() && text[at] == '0') {
    const char prefix = text[at + 1];
    if (prefix == 'x') base = 16;
    if (prefix == 'o') base = 8;
    if (prefix == 'b') base = 2;
    if (base != 10) at += 2;
  }
  std::uint32_t total = 0;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    std::uint32_t digit = 99;
    if (c >= '0' && c <= '9') digit = static_cast<std::uint32_t>(c - '0');
    if (c >= 'a' && c <= 'z') digit = static_cast<std::uint32_t>(c - 'a' + 10);
    if (c >= 'A' && c <= 'Z') digit = static_cast<std::uint32_t>(c - 'A' + 10);
    if (digit >= base) break;
    total = total * base + digit;  // wraps modulo 2^32 like the system's reader
  }
  return negative ? 0u - total : total;
}

std::string MemoryProfileFile::Resolve(const std::string& path) const {
  if (path.find_first_of("\\/") != std::string::npos) return path;
  // A bare file name means a file in the Windows folder.
  const std::string& system = m_files.systemDirectory;
  return system.substr(0, system.find_last_of('\\') + 1) + path;
}

int MemoryProfileFile::GetInt(const std::string& section, const std::string& key, int defaultValue,
                              const std::string& path) {
  std::string content;
  if (!m_files.ReadFile(Resolve(path), content)) return defaultValue;
  const std::vector<Line> lines = SplitLines(content);
  const Location where = Find(lines, section, key);
  if (!where.key) return defaultValue;
  const std::string value = CopyValue(Classify(lines[*where.key].text).value, kIntegerBuffer);
  if (value.empty()) return defaultValue;
  return static_cast<int>(ProfileTextToNumber(value));
}

bool MemoryProfileFile::WriteString(const std::string& section, const std::string& key,
                                    const std::string& value, const std::string& path) {
  const std::string file = Resolve(path);
  const std::string folder = file.substr(0, file.find_last_of("\\/"));
  const bool driveRoot = folder.size() <= 2;
  if (!driveRoot && !m_files.DirectoryExists(folder)) return false;  // ERROR_PATH_NOT_FOUND

  std::string content;
  if (m_files.FileExists(file) && !m_files.ReadFile(file, content)) return false;
  std::vector<Line> lines = SplitLines(content);
  const Location where = Find(lines, section, key);
  if (where.key) {
    // Only the value changes; the key keeps the spelling the file gave it.
    Line& line = lines[*where.key];
    line.text = Classify(line.text).name + "=" + value;
  } else {
    std::size_t insertAt = where.section ? where.sectionEnd : lines.size();
    if (insertAt > 0 && lines[insertAt - 1].end.empty()) lines[insertAt - 1].end = "\r\n";
    std::vector<Line> added;
    if (!where.section) added.push_back(Line{"[" + section + "]", "\r\n"});
    added.push_back(Line{key + "=" + value, "\r\n"});
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), added.begin(), added.end());
  }
  return m_files.WriteFile(file, Join(lines));
}

}  // namespace platform::memory
