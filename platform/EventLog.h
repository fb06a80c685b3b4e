// The Application event log, where an administrator collects what the program changed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// EVENTLOG_ERROR_TYPE, EVENTLOG_WARNING_TYPE, EVENTLOG_INFORMATION_TYPE.
enum class EventType : std::uint16_t { Error = 1, Warning = 2, Information = 4 };

class EventLog {
 public:
  virtual ~EventLog() = default;
  // Adds one event of the source "Plinvo" to the Application log (RegisterEventSourceW,
  // ReportEventW): its identifier in the program's message table, its type, and the texts that
  // fill the message's %1, %2 ... in order, as UTF-16, so that a name the code page cannot hold
  // is written as it is. Windows error code.
  virtual std::uint32_t Report(std::uint32_t eventId, EventType type,
                               const std::vector<std::u16string>& inserts) = 0;
};

}  // namespace platform
