#include "app/ChangeEvents.h"

#include "sharemode/LocalMachineKey.h"

namespace app {
namespace {

using platform::EventType;

// By Event, in its order. The identifiers go in tens by subject, a success first.
constexpr EventKind kKinds[] = {
    {100, EventType::Information, 3},  // ModeApplied
    {101, EventType::Warning, 4},      // ModeAppliedToolFailed
    {102, EventType::Error, 3},        // ModeNotApplied
    {110, EventType::Information, 2},  // ModeUndone
    {111, EventType::Warning, 2},      // ModeNotAllUndone
    {112, EventType::Information, 2},  // SettingsRestored
    {113, EventType::Warning, 2},      // SettingsNotAllRestored
    {120, EventType::Information, 4},  // ShareCreated
    {121, EventType::Warning, 5},      // ShareCreatedWithoutRights
    {122, EventType::Error, 5},        // ShareNotCreated
    {130, EventType::Information, 3},  // ShareStopped
    {131, EventType::Error, 4},        // ShareNotStopped
    {140, EventType::Information, 4},  // RightsChanged
    {141, EventType::Warning, 5},      // RightsNotChanged
    {150, EventType::Information, 3},  // VisitorDisconnected
    {151, EventType::Error, 4},        // VisitorNotDisconnected
    {160, EventType::Information, 3},  // FileClosed
    {161, EventType::Error, 4},        // FileNotClosed
    {170, EventType::Information, 3},  // CheckHolds
    {171, EventType::Warning, 3},      // CheckWorthKnowing
    {172, EventType::Error, 3},        // CheckBlocksVisitors
    {173, EventType::Warning, 3},      // CheckNotChecked
    {180, EventType::Error, 3},        // CommandLineRefused
    {190, EventType::Information, 1},  // SigningOffered
    {191, EventType::Warning, 2},      // SigningNotOffered
};
static_assert(sizeof(kKinds) / sizeof(kKinds[0]) ==
              static_cast<std::size_t>(Event::SigningNotOffered) + 1);

// EVENTLOG_ERROR_TYPE | EVENTLOG_WARNING_TYPE | EVENTLOG_INFORMATION_TYPE.
constexpr std::uint32_t kTypesSupported = 7;

// UNLEN + 1.
constexpr std::uint32_t kUserNameCapacity = 257;

}  // namespace

const EventKind& KindOf(Event event) { return kKinds[static_cast<std::size_t>(event)]; }
const EventKind* EventKindsBegin() { return kKinds; }
const EventKind* EventKindsEnd() { return kKinds + sizeof(kKinds) / sizeof(kKinds[0]); }

std::u16string EventText::Wide(platform::TextConversion& text) const {
  if (m_isExact) return m_exact;
  std::u16string wide;
  // A text of the program's own always converts; one that did not is left empty, not guessed.
  text.AnsiToWide(m_ansi, wide, m_ansi.size() + 1);
  return wide;
}

void WriteEvent(platform::Platform& platform, Event event, const std::vector<EventText>& inserts) {
  std::string user;
  if (!platform.identity.GetUserName(user, kUserNameCapacity)) user = "A user Windows did not name";
  std::vector<std::u16string> texts;
  texts.reserve(inserts.size() + 1);
  texts.push_back(EventText(user).Wide(platform.text));
  // The program's texts part their lines with a line feed alone; Event Viewer wants both.
  for (const EventText& insert : inserts) {
    std::u16string& parted = texts.emplace_back();
    for (const char16_t c : insert.Wide(platform.text)) {
      if (c == u'\n' && (parted.empty() || parted.back() != u'\r')) parted += u'\r';
      parted += c;
    }
  }
  const EventKind& kind = KindOf(event);
  // What the log answers is left to the platform's trace: the action is done either way.
  platform.eventLog.Report(kind.id, kind.type, texts);
}

void RegisterEventSource(platform::Platform& platform) {
  if (!platform.identity.IsAdministrator()) return;
  const std::string file = platform.files.GetModuleFileName();
  sharemode::LocalMachineKey key(platform.registry, kEventSourceKey);
  platform::RegistryData data;
  if (key.QueryValue("EventMessageFile", data) != platform::kSuccess ||
      data.type != platform::kRegExpandString || platform::TextOf(data) != file) {
    key.SetValue("EventMessageFile", {platform::kRegExpandString, file + '\0'});
  }
  if (key.QueryValue("TypesSupported", data) != platform::kSuccess ||
      platform::DwordOf(data) != kTypesSupported) {
    key.SetDword("TypesSupported", kTypesSupported);
  }
}

void WriteOutcomeEvent(platform::Platform& platform, bool succeeded, Event done, Event notDone,
                       std::vector<EventText> inserts, const std::string& why) {
  if (!succeeded) inserts.push_back(why);
  WriteEvent(platform, succeeded ? done : notDone, inserts);
}

}  // namespace app
