// In-memory clock and clipboard.
#pragma once

#include <vector>

#include "platform/Clipboard.h"
#include "platform/Clock.h"

namespace platform::memory {

class MemoryClock : public Clock {
 public:
  std::int64_t SecondsSince1970() override { return now; }
  std::uint64_t MillisecondsSinceStart() override {
    const std::uint64_t reading = uptimeMilliseconds;
    uptimeMilliseconds += millisecondsPerReading;
    return reading;
  }

  std::int64_t now = 1800000000;
  std::uint64_t uptimeMilliseconds = 3600000;  // started an hour ago
  // How far the uptime moves on after each reading: work that takes that long between them.
  std::uint64_t millisecondsPerReading = 0;
};

class MemoryClipboard : public Clipboard {
 public:
  bool SetText(Handle, const std::string& value) override {
    if (fails) return false;
    text = value;
    unicodeText.clear();
    return true;
  }
  bool SetUnicodeText(Handle, const std::u16string& value) override {
    if (fails) return false;
    text.clear();
    unicodeText = value;
    return true;
  }

  std::string text;  // what the clipboard holds, in one of the two forms
  std::u16string unicodeText;
  bool fails = false;
};

}  // namespace platform::memory
