#include "app/VerbOutcome.h"

#include <utility>

namespace app {
namespace {

void AddNumber(std::string& text, std::uint32_t number, std::size_t digits) {
  std::string written = std::to_string(number);
  if (written.size() < digits) written.insert(0, digits - written.size(), '0');
  text += written;
}

}  // namespace

std::string UtcTimeText(std::int64_t secondsSince1970) {
  // In 32 bits (the program carries no 64-bit division of its own): a time before 1970 is
  // written as 1970, one after 2106 as 2106.
  const std::uint32_t seconds = secondsSince1970 < 0 ? 0
                                : secondsSince1970 > 0xFFFFFFFFu
                                    ? 0xFFFFFFFFu
                                    : static_cast<std::uint32_t>(secondsSince1970);
  const std::uint32_t days = seconds / 86400;
  const std::uint32_t second = seconds % 86400;
  // Days to a civil date in the Gregorian calendar, counted in eras of 400 years from March.
  const std::uint32_t shifted = days + 719468;
  const std::uint32_t era = shifted / 146097;
  const std::uint32_t dayOfEra = shifted - era * 146097;
  const std::uint32_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::uint32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::uint32_t monthIndex = (5 * dayOfYear + 2) / 153;
  const std::uint32_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  const std::uint32_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  const std::uint32_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  std::string text;
  const std::pair<std::uint32_t, char> parts[] = {
      {month, '-'}, {day, ' '}, {second / 3600, ':'}, {second / 60 % 60, ':'}, {second % 60, '\0'}};
  AddNumber(text, year, 4);
  text += '-';
  for (const auto& [number, after] : parts) {
    AddNumber(text, number, 2);
    if (after != '\0') text += after;
  }
  return text;
}

VerbLogFile::VerbLogFile(platform::Platform& platform, std::string path)
    : m_platform(platform), m_path(std::move(path)) {}

bool VerbLogFile::Start(const std::string& firstLine) {
  if (m_path.empty()) return true;
  // A missing file starts empty; one that cannot be read fails at the write.
  m_platform.files.ReadFile(m_path, m_text);
  return Append(firstLine);
}

void VerbLogFile::Line(const std::string& text) { Append(text); }

bool VerbLogFile::Append(const std::string& text) {
  if (m_path.empty()) return true;
  std::string lead = UtcTimeText(m_platform.clock.SecondsSince1970()) + "  ";
  std::size_t begin = 0;
  while (true) {
    const std::size_t end = text.find('\n', begin);
    const std::string line = text.substr(begin, end == std::string::npos ? end : end - begin);
    // A message's blank lines, which part its paragraphs on the screen, are left out.
    if (!line.empty()) {
      m_text += lead + line + "\r\n";
      lead.assign(lead.size(), ' ');  // the lines that follow are indented under the first
    }
    if (end == std::string::npos) break;
    begin = end + 1;
  }
  return m_platform.files.ReplaceFile(m_path, m_text);
}

}  // namespace app
