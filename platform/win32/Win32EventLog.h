// The Application event log through the classic calls, which Windows XP and Vista both offer
// and which need nothing beyond advapi32, already loaded at start-up.
#pragma once

#include "platform/EventLog.h"

namespace platform::win32 {

class Win32EventLog : public EventLog {
 public:
  std::uint32_t Report(std::uint32_t eventId, EventType type,
                       const std::vector<std::u16string>& inserts) override;
};

}  // namespace platform::win32
