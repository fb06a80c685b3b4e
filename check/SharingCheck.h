// The sharing check: a table of conditions, each read through the platform and compared with
// what the recorded share mode needs, run by one routine.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "check/Finding.h"
#include "platform/Platform.h"

namespace check {

// config.ini records no mode Plinvo applied: missing, "no mode" (-1) or out of range.
inline constexpr int kNoMode = -1;

struct CheckInput {
  platform::Platform& platform;
  std::string programFolder;  // with its trailing separator
  int mode = kNoMode;         // 0 "Stop Share", 1 "Zendry Share", 2 "Normal Share", or kNoMode
  // The Server service's counts as the dialog first read them, which later runs compare with:
  // the first successful reading fills it. Null: nothing to compare with.
  std::optional<platform::ServerCounts>* firstCounts = nullptr;
};

using ConditionRoutine = void (*)(const CheckInput& input, std::vector<Finding>& rows);

struct Condition {
  const char* name;  // for the benchmark and the report's order; not shown
  ConditionRoutine run;
};

// The conditions, in the order of how often they are what keeps visitors out.
const std::array<Condition, 12>& SharingConditions();

// The input for the mode config.ini records. Unlike the main window, which shows Normal Share
// when none is recorded, the check judges no mode that Plinvo did not apply.
CheckInput InputFor(platform::Platform& platform, const std::string& programFolder);

// Runs every condition in order; `onRow` sees each row as soon as its condition has finished,
// and is told which row is the last its condition added.
using RowEvent = std::function<void(const Finding& row, bool lastOfItsCondition)>;
std::vector<Finding> RunSharingCheck(const CheckInput& input, const RowEvent& onRow = {});

// The whole report as plain text, for the clipboard.
std::string ReportText(const std::string& computerName, int mode, const std::vector<Finding>& rows);

// "Stop Share", "Zendry Share", "Normal Share"; "none applied by Plinvo" for kNoMode.
const char* ModeName(int mode);

}  // namespace check
