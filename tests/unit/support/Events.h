// The events a test's actions wrote to the in-memory event log, one line each, easy to compare:
// "<id> <type>: <insert> | <insert> ...". An event whose inserts are not as many as its words
// take is marked, so that every test of an action also checks that.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "app/ChangeEvents.h"
#include "platform/memory/MemoryEventLog.h"

namespace testing_support {

inline std::vector<std::string> EventLines(const platform::memory::MemoryEventLog& log) {
  std::vector<std::string> lines;
  for (const platform::memory::LoggedEvent& event : log.events) {
    const char* type = event.type == platform::EventType::Information ? "info"
                       : event.type == platform::EventType::Warning   ? "warning"
                                                                      : "error";
    std::string line = std::to_string(event.id) + " " + type + ":";
    for (std::size_t i = 0; i < event.inserts.size(); ++i) {
      line += (i == 0 ? " " : " | ") + event.inserts[i];
    }
    const app::EventKind* kind =
        std::find_if(app::EventKindsBegin(), app::EventKindsEnd(),
                     [&](const app::EventKind& k) { return k.id == event.id; });
    if (kind == app::EventKindsEnd() || kind->inserts != event.inserts.size() ||
        kind->type != event.type) {
      line += " [not as the table says]";
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace testing_support
