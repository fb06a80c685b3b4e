// What Plinvo writes to the Application event log: one event per change it makes, interactive
// or unattended, so that an administrator who collects the logs of many computers sees what it
// changed, when and for whom.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace app {

// The kinds of event, in the order of the table in app/ChangeEvents.cpp.
enum class Event : std::uint8_t {
  ModeApplied,
  ModeAppliedToolFailed,
  ModeNotApplied,
  ModeUndone,
  ModeNotAllUndone,
  SettingsRestored,
  SettingsNotAllRestored,
  ShareCreated,
  ShareCreatedWithoutRights,
  ShareNotCreated,
  ShareStopped,
  ShareNotStopped,
  RightsChanged,
  RightsNotChanged,
  VisitorDisconnected,
  VisitorNotDisconnected,
  FileClosed,
  FileNotClosed,
  CheckHolds,
  CheckWorthKnowing,
  CheckBlocksVisitors,
  CheckNotChecked,
  CommandLineRefused,
  SigningOffered,
  SigningNotOffered,
};

// An event's identifier in the program's message table (app/win32/ChangeEvents.mc, which holds
// its words), its type, and how many inserts its words take, the user's name (%1) included.
struct EventKind {
  std::uint16_t id;
  platform::EventType type;
  std::uint8_t inserts;
};

// One insert of an event: a text of the program's own, in the ANSI code page, or a name exactly
// as Windows handed it over (a share, its folder, a visitor), which the code page may not hold:
// the log is written in UTF-16, so that such a name is not logged as a look-alike.
class EventText {
 public:
  EventText(std::string ansi) : m_ansi(std::move(ansi)) {}
  EventText(const char* ansi) : m_ansi(ansi) {}
  EventText(std::u16string exact) : m_exact(std::move(exact)), m_isExact(true) {}
  // A text the share service may leave out (a null pointer) is empty.
  EventText(const std::optional<std::u16string>& exact)
      : EventText(exact.value_or(std::u16string())) {}

  std::u16string Wide(platform::TextConversion& text) const;

 private:
  std::string m_ansi;
  std::u16string m_exact;
  bool m_isExact = false;
};

const EventKind& KindOf(Event event);
// Every kind, for the check that the message table has words for each.
const EventKind* EventKindsBegin();
const EventKind* EventKindsEnd();

// Writes one event: %1 is the user Plinvo runs for, `inserts` fill %2 on. A log that cannot be
// written changes nothing: the action it tells of is done either way.
void WriteEvent(platform::Platform& platform, Event event, const std::vector<EventText>& inserts);

// Where Event Viewer finds the words of the source "Plinvo": its key under HKEY_LOCAL_MACHINE.
inline constexpr const char* kEventSourceKey =
    "SYSTEM\\CurrentControlSet\\Services\\Eventlog\\Application\\Plinvo";

// Registers the source for this program file where it is missing or names another file, as the
// setup does: EventMessageFile, its full path (REG_EXPAND_SZ), and TypesSupported 7 (errors,
// warnings, information). Only an administrator may; for anyone else it does nothing. The key
// is one only administrators can change, so a file it names is one an administrator chose and
// may be replaced by this one.
void RegisterEventSource(platform::Platform& platform);

// The event of an action with two outcomes: `done` when it succeeded; `notDone`, with `why`
// as its last insert, when it did not.
void WriteOutcomeEvent(platform::Platform& platform, bool succeeded, Event done, Event notDone,
                       std::vector<EventText> inserts, const std::string& why);

}  // namespace app
