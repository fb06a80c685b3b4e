#include "check/ReportFiles.h"

#include <cctype>

namespace check {
namespace {

void AddField(std::string& line, const std::string& field, char after) {
  for (const char c : field) line += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
  line += after;
}

// File names on Windows ignore letter case.
bool SameFileName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string ReportTable(const std::vector<Finding>& rows) {
  std::string table;
  for (const Finding& row : rows) {
    AddField(table, row.what, '\t');
    AddField(table, StatusText(row.status), '\t');
    AddField(table, row.found, '\t');
    AddField(table, row.needed, '\r');
    table += '\n';
  }
  return table;
}

std::string ReportTablePath(const std::string& reportPath) {
  const std::size_t folderEnd = reportPath.find_last_of("\\/:");
  const std::size_t dot = reportPath.find_last_of('.');
  const bool extension =
      dot != std::string::npos && (folderEnd == std::string::npos || dot > folderEnd);
  std::string path = extension ? reportPath.substr(0, dot) : reportPath;
  path += ".tsv";
  return SameFileName(path, reportPath) ? reportPath + ".tsv" : path;
}

}  // namespace check
