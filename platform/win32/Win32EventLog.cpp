#include "platform/win32/Win32EventLog.h"

#include <memory>
#include <type_traits>

#include "platform/win32/WideText.h"

namespace platform::win32 {
namespace {

struct EventSourceCloser {
  void operator()(HANDLE source) const { DeregisterEventSource(source); }
};
using EventSource = std::unique_ptr<std::remove_pointer_t<HANDLE>, EventSourceCloser>;

// The source is opened for each event: events are few, and a source kept open would hold the
// log's service for the program's whole run.
std::uint32_t ReportThroughSource(std::uint32_t eventId, EventType type,
                                  const std::vector<std::string>& inserts) {
  std::vector<std::vector<wchar_t>> wide;
  std::vector<const wchar_t*> strings;
  wide.reserve(inserts.size());
  for (const std::string& text : inserts) {
    // Converted exactly: a text the code page cannot read is not written as something else.
    wide.push_back(WideFromAnsi(text, MB_ERR_INVALID_CHARS));
    if (!text.empty() && wide.back()[0] == L'\0') return ERROR_NO_UNICODE_TRANSLATION;
    strings.push_back(wide.back().data());
  }
  const EventSource source(RegisterEventSourceW(nullptr, L"Plinvo"));
  if (!source) return GetLastError();
  if (!ReportEventW(source.get(), static_cast<WORD>(type), 0, eventId, nullptr,
                    static_cast<WORD>(strings.size()), 0, strings.data(), nullptr)) {
    return GetLastError();
  }
  return ERROR_SUCCESS;
}

}  // namespace

std::uint32_t Win32EventLog::Report(std::uint32_t eventId, EventType type,
                                    const std::vector<std::string>& inserts) {
  const std::uint32_t result = ReportThroughSource(eventId, type, inserts);
  // Nothing the user needs is lost with an event: a debugger is told, nobody else.
  if (result != ERROR_SUCCESS) OutputDebugStringA("Plinvo: the event could not be written\n");
  return result;
}

}  // namespace platform::win32
