// The events a test's actions wrote to the in-memory event log, one line each, easy to compare:
// "<id> <type>: <insert> | <insert> ...". An event whose inserts are not as many as its words
// take is marked, so that every test of an action also checks that.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app/ChangeEvents.h"
#include "platform/memory/MemoryEventLog.h"

namespace testing_support {

// UTF-8 of an insert, so that a name the code page cannot hold reads as itself in a failure.
inline std::string Utf8Of(const std::u16string& wide) {
  std::string utf8;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    std::uint32_t c = wide[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size()) {
      c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
    }
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      utf8 += static_cast<char>(0xE0 | (c >> 12));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      utf8 += static_cast<char>(0xF0 | (c >> 18));
      utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

inline std::vector<std::string> EventLines(const platform::memory::MemoryEventLog& log) {
  std::vector<std::string> lines;
  for (const platform::memory::LoggedEvent& event : log.events) {
    const char* type = event.type == platform::EventType::Information ? "info"
                       : event.type == platform::EventType::Warning   ? "warning"
                                                                      : "error";
    std::string line = std::to_string(event.id) + " " + type + ":";
    for (std::size_t i = 0; i < event.inserts.size(); ++i) {
      line += (i == 0 ? " " : " | ") + Utf8Of(event.inserts[i]);
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
