#include "check/SharingCheck.h"

#include "check/Rows.h"
#include "sharemode/SettingsFile.h"

namespace check {

const char* StatusText(Status status) {
  switch (status) {
    case Status::Holds:
      return "Holds";
    case Status::Blocks:
      return "Blocks visitors";
    case Status::WorthKnowing:
      return "Worth knowing";
    case Status::NotChecked:
      break;
  }
  return "Could not be checked";
}

const char* ModeName(int mode) {
  if (mode == 0) return "Stop Share";
  if (mode == 1) return "Zendry Share";
  if (mode == 2) return "Normal Share";
  return "none applied by Plinvo";
}

const std::array<Condition, 12>& SharingConditions() {
  static constexpr std::array<Condition, 12> conditions{{
      {"drift", &CheckDrift},
      {"restart", &CheckRestart},
      {"services", &CheckServices},
      {"guest account", &CheckGuestAccount},
      {"edition", &CheckEdition},
      {"shared folders", &CheckSharedFolders},
      {"firewall", &CheckFirewall},
      {"own folder", &CheckOwnFolder},
      {"network", &CheckNetwork},
      {"refused visitors", &CheckRefusedVisitors},
      {"failed logons", &CheckFailedLogons},
      {"newer visitors", &CheckNewerVisitors},
  }};
  return conditions;
}

CheckInput InputFor(platform::Platform& platform, const std::string& programFolder) {
  // One reading: a missing mode reads as kNoMode, which is out of range.
  const int recorded = sharemode::ReadRecordedShareMode(platform.profile, programFolder, kNoMode);
  return CheckInput{platform, programFolder, recorded >= 0 && recorded <= 2 ? recorded : kNoMode};
}

std::vector<Finding> RunSharingCheck(const CheckInput& input, const RowEvent& onRow) {
  std::vector<Finding> rows;
  for (const Condition& condition : SharingConditions()) {
    const std::size_t first = rows.size();
    condition.run(input, rows);
    if (!onRow) continue;
    for (std::size_t index = first; index < rows.size(); ++index) {
      onRow(rows[index], index + 1 == rows.size());
    }
  }
  return rows;
}

std::string ReportText(const std::string& computerName, int mode,
                       const std::vector<Finding>& rows) {
  std::string text = FormatMessageText("Plinvo sharing check\r\nComputer: %s\r\nShare mode: %s\r\n",
                                       {computerName, ModeName(mode)});
  for (const Finding& row : rows) {
    text += FormatMessageText(
        "\r\n[%s] %s\r\n  Found: %s\r\n  Needed: %s\r\n  %s\r\n",
        {StatusText(row.status), row.what, row.found, row.needed, row.explanation});
  }
  return text;
}

}  // namespace check
