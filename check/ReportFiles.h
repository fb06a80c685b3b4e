// The sharing check's report as files, for the unattended check: the text "Copy Report" puts
// on the clipboard, and beside it a table a script can read.
#pragma once

#include <string>
#include <vector>

#include "check/Finding.h"

namespace check {

// One line per row, ended by CR LF: condition, status, found, needed, separated by tabs. A tab
// or a line break inside a field becomes a blank.
std::string ReportTable(const std::vector<Finding>& rows);

// Where the table goes beside the report: the report's name with its extension replaced by
// ".tsv" (added when it has none): "check.txt" gives "check.tsv". A report named "*.tsv" gets
// "*.tsv.tsv", never itself.
std::string ReportTablePath(const std::string& reportPath);

}  // namespace check
