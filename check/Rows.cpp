#include "check/Rows.h"

#include "platform/ErrorWords.h"

namespace check {

RowsAbout::RowsAbout(std::vector<Finding>& rows, std::string_view what, std::string_view needed)
    : m_rows(rows), m_what(what), m_needed(needed) {}

RowsAbout::~RowsAbout() = default;

Finding& RowsAbout::Add(Status status, std::string_view found, const char* explanation,
                        std::initializer_list<std::string_view> arguments) {
  Finding& row = m_rows.emplace_back();
  row.status = status;
  row.what = m_what;
  row.found = found;
  row.needed = m_needed;
  row.explanation = FormatMessageText(explanation, arguments);
  return row;
}

void RowsAbout::Unreadable(const char* reason, std::initializer_list<std::string_view> arguments) {
  Add(Status::NotChecked, "could not be read",
      "%s Plinvo cannot say whether this stands in the visitors' way.",
      {FormatMessageText(reason, arguments)});
}

std::string ErrorText(unsigned long code) {
  return platform::ErrorWords(static_cast<std::uint32_t>(code));
}

void AppendItem(std::string& text, std::string_view item, const char* separator) {
  if (!text.empty()) text += separator;
  text += item;
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
  std::string text;
  for (const std::string& part : parts) AppendItem(text, part, separator);
  return text;
}

std::string Counted(std::uint32_t count, const char* one, const char* many) {
  return FormatMessageText("%s %s", {std::to_string(count), count == 1 ? one : many});
}

std::string AgoText(std::int64_t seconds) {
  struct Unit {
    std::uint32_t seconds;
    const char* one;
    const char* many;
  };
  static constexpr Unit kUnits[] = {
      {86400, "day", "days"}, {3600, "hour", "hours"}, {60, "minute", "minutes"}};
  for (std::size_t index = 0; index < 3; ++index) {
    const Unit& unit = kUnits[index];
    if (seconds < unit.seconds) continue;
    // Positive from here on, and divided as unsigned: the program's other 64-bit divisions are,
    // and a signed one would bring the runtime's signed division routines in beside them.
    const auto elapsed = static_cast<std::uint64_t>(seconds);
    const auto whole = static_cast<std::uint32_t>(elapsed / unit.seconds);
    std::string text = Counted(whole, unit.one, unit.many);
    // The next smaller unit too, when there is one and it is not nothing.
    if (index < 2) {
      const Unit& next = kUnits[index + 1];
      const auto rest = static_cast<std::uint32_t>(elapsed % unit.seconds / next.seconds);
      if (rest != 0) text += " and " + Counted(rest, next.one, next.many);
    }
    return text + " ago";
  }
  return "just now";
}

bool Contains(const std::vector<std::string>& list, std::string_view item) {
  for (const std::string& entry : list) {
    if (entry == item) return true;
  }
  return false;
}

}  // namespace check
