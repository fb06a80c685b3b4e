// A buffer of the share service, released with NetApiBufferFree when it goes out of scope.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ShareService.h"

namespace shares {

class ServiceBuffer {
 public:
  explicit ServiceBuffer(platform::ShareService& service) : m_service(service) {}
  ~ServiceBuffer() {
    if (m_buffer != 0) m_service.BufferFree(m_buffer);
  }
  ServiceBuffer(const ServiceBuffer&) = delete;
  ServiceBuffer& operator=(const ServiceBuffer&) = delete;

  // Where the service puts the buffer it hands out.
  platform::Handle& out() { return m_buffer; }
  platform::Handle get() const { return m_buffer; }

 private:
  platform::ShareService& m_service;
  platform::Handle m_buffer = 0;
};

// Reads one of the service's lists portion by portion, as long as it says more data follows,
// releasing each portion before asking for the next; `each` gets every portion's buffer and its
// number of records, in order. A failing portion ends the list with the portions read so far;
// the result is 0 when the whole list was read, else the service's code for the failing portion.
template <class Each>
std::uint32_t ForEachPortion(platform::ShareService& service,
                             std::uint32_t (platform::ShareService::*enumerate)(
                                 platform::Handle&, std::uint32_t, platform::EnumCounters&),
                             Each each) {
  platform::EnumCounters counters;
  for (;;) {
    ServiceBuffer buffer(service);
    const std::uint32_t result =
        (service.*enumerate)(buffer.out(), platform::kMaxPreferredLength, counters);
    if (result != platform::kSuccess && result != platform::kErrorMoreData) return result;
    each(buffer.get(), counters.entriesRead);
    if (result != platform::kErrorMoreData) return platform::kSuccess;
  }
}

// Puts the computer's shares into `table`, read as ForEachPortion reads them; gives its result.
inline std::uint32_t ReadShares(platform::ShareService& service, platform::ShareTable& table) {
  return ForEachPortion(service, &platform::ShareService::ShareEnum502,
                        [&](platform::Handle buffer, std::uint32_t count) {
                          service.AppendShareRecords(buffer, count, table);
                        });
}

// The same, giving `each` every record, in order. `each` may take a record away (it gets a
// reference to it): the portion's records are not used again.
template <class Record, class Each>
std::uint32_t ForEachRecord(
    platform::ShareService& service,
    std::uint32_t (platform::ShareService::*enumerate)(platform::Handle&, std::uint32_t,
                                                       platform::EnumCounters&),
    std::vector<Record> (platform::ShareService::*records)(platform::Handle, std::uint32_t),
    Each each) {
  return ForEachPortion(service, enumerate, [&](platform::Handle buffer, std::uint32_t count) {
    for (Record& record : (service.*records)(buffer, count)) each(record);
  });
}

}  // namespace shares
