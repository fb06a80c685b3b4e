// Seconds as clock text for the session list: hours grow past 99 instead of wrapping into days.
// Written out digit by digit: the C library's formatted printing would bring its whole
// formatter, floating point included, into the program for this one text.
#include <string>

#include "app/Formmain.h"

namespace {

std::string TwoDigits(std::uint32_t value) {
  return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

std::string app::TfrmMain::SecondsToTimeText(std::uint32_t seconds) {
  const std::uint32_t hours = seconds / 3600;
  const std::uint32_t minutes = (seconds % 3600) / 60;
  const std::string hoursText = hours < 100 ? TwoDigits(hours) : std::to_string(hours);
  return hoursText + ":" + TwoDigits(minutes) + ":" + TwoDigits(seconds % 60);
}
