// Seconds as clock text for the session list: hours grow past 99 instead of wrapping into days.
#include <cstdio>

#include "app/Formmain.h"

std::string app::TfrmMain::SecondsToTimeText(std::uint32_t seconds) {
  const std::uint32_t hours = seconds / 3600;
  const std::uint32_t minutes = (seconds % 3600) / 60;
  // The longest text, for 4294967295 seconds, is 1193046:28:15.
  char text[20] = {};
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", static_cast<unsigned>(hours),
                static_cast<unsigned>(minutes), static_cast<unsigned>(seconds % 60));
  return text;
}
