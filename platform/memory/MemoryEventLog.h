// In-memory event log: the events written, in order, or the error a test has it give.
#pragma once

#include "platform/EventLog.h"

namespace platform::memory {

struct LoggedEvent {
  std::uint32_t id = 0;
  EventType type = EventType::Information;
  std::vector<std::u16string> inserts;
};

class MemoryEventLog : public EventLog {
 public:
  std::uint32_t Report(std::uint32_t eventId, EventType type,
                       const std::vector<std::u16string>& inserts) override {
    if (error != 0) return error;
    events.push_back({eventId, type, inserts});
    return 0;
  }

  std::vector<LoggedEvent> events;
  std::uint32_t error = 0;  // e.g. 1502 (ERROR_LOG_FILE_FULL)
};

}  // namespace platform::memory
