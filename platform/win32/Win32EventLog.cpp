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
                                  const std::vector<std::string>& inserts) {
  const std::size_t count = inserts.size() < kMostInserts ? inserts.size() : kMostInserts;
  // Every insert in one buffer, each ended by a null, converted exactly: a text the code page
  // cannot read is not written as something else.
  int lengths[kMostInserts] = {};
  std::size_t total = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string& text = inserts[i];
    if (text.empty()) continue;
    lengths[i] = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(),
                                     static_cast<int>(text.size()), nullptr, 0);
    if (lengths[i] <= 0) return ERROR_NO_UNICODE_TRANSLATION;
    total += static_cast<std::size_t>(lengths[i]);
  }
  std::vector<wchar_t> wide(total + count, L'\0');
  const wchar_t* strings[kMostInserts] = {};
  wchar_t* next = wide.data();
  for (std::size_t i = 0; i < count; ++i) {
    strings[i] = next;
    if (lengths[i] > 0) {
      MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, inserts[i].data(),
                          static_cast<int>(inserts[i].size()), next, lengths[i]);
    }
    next += lengths[i] + 1;
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
                                    const std::vector<std::string>& inserts) {
  const std::uint32_t result = ReportThroughSource(eventId, type, inserts);
  // Nothing the user needs is lost with an event: a debugger is told, nobody else.
  if (result != ERROR_SUCCESS) OutputDebugStringA("Plinvo: the event could not be written\n");
  return result;
}

}  // namespace platform::win32
