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

bool Contains(const std::vector<std::string>& list, std::string_view item) {
  for (const std::string& entry : list) {
    if (entry == item) return true;
  }
  return false;
}

}  // namespace check
