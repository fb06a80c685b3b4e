// Where an unattended verb writes what it did, line by line. Every line goes through this one
// interface, so that another place an administrator reads can be added beside the log file. The
// event log is told by the routines that make the changes (app/ChangeEvents.h), the window's
// and the verbs' alike.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Platform.h"

namespace app {

class VerbOutcome {
 public:
  virtual ~VerbOutcome() = default;
  // One line, or several separated by "\n".
  virtual void Line(const std::string& text) = 0;
};

// "2026-12-08 06:30:00" for seconds since 1970, in UTC.
std::string UtcTimeText(std::int64_t secondsSince1970);

// The file of "/Log:<file>": the lines are added after what it holds, each stamped with the
// time in UTC, and written through at once, so that a verb that never ends leaves what it did
// so far. With no path it writes nowhere.
class VerbLogFile : public VerbOutcome {
 public:
  VerbLogFile(platform::Platform& platform, std::string path);
  // Writes the first line; false when the file cannot be written.
  bool Start(const std::string& firstLine);
  void Line(const std::string& text) override;

 private:
  bool Append(const std::string& text);

  platform::Platform& m_platform;
  std::string m_path;
  std::string m_text;
};

}  // namespace app
