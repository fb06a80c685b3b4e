#include "platform/win32/Win32EventLog.h"

#include <memory>
#include <type_traits>

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {
namespace {

struct EventSourceCloser {
  void operator()(HANDLE source) const { DeregisterEventSource(source); }
};
using EventSource = std::unique_ptr<std::remove_pointer_t<HANDLE>, EventSourceCloser>;

// Inserts beyond this many are not written; the program's events take at most five.
constexpr std::size_t kMostInserts = 8;

// The source is opened for each event: events are few, and a source kept open would hold the
// log's service for the program's whole run.
std::uint32_t ReportThroughSource(std::uint32_t eventId, EventType type,
                                  const std::vector<std::u16string>& inserts) {
  static_assert(sizeof(char16_t) == sizeof(wchar_t), "UTF-16 texts are the system's wide texts");
  const std::size_t count = inserts.size() < kMostInserts ? inserts.size() : kMostInserts;
  const wchar_t* strings[kMostInserts] = {};
  for (std::size_t i = 0; i < count; ++i) {
    strings[i] = reinterpret_cast<const wchar_t*>(inserts[i].c_str());
  }
  const EventSource source(RegisterEventSourceW(nullptr, L"Plinvo"));
  if (!source) return GetLastError();
  if (!ReportEventW(source.get(), static_cast<WORD>(type), 0, eventId, nullptr,
                    static_cast<WORD>(count), 0, strings, nullptr)) {
    return GetLastError();
  }
  return ERROR_SUCCESS;
}

}  // namespace

std::uint32_t Win32EventLog::Report(std::uint32_t eventId, EventType type,
                                    const std::vector<std::u16string>& inserts) {
  const std::uint32_t result = ReportThroughSource(eventId, type, inserts);
  // Nothing the user needs is lost with an event: a debugger is told, nobody else.
  if (result != ERROR_SUCCESS) OutputDebugStringA("Plinvo: the event could not be written\n");
  return result;
}

}  // namespace platform::win32
