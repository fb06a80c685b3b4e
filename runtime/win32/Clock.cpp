// The system clock's reading, defined here: the runtime's prebuilt piece that holds it is built
// with exceptions and brings the whole exception machinery along (the unwinder among it), which
// the program is built without. The program reads it only to start the sequence of the script
// folder's numbers.
#include <windows.h>

#include <chrono>

namespace std {
namespace chrono {
inline namespace _V2 {

system_clock::time_point system_clock::now() noexcept {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  // In 100-nanosecond steps since 1601; the clock counts nanoseconds since 1970.
  constexpr long long kFrom1601To1970 = 116444736000000000LL;
  const long long since1601 = static_cast<long long>(
      (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
  return time_point(duration((since1601 - kFrom1601To1970) * 100));
}

}  // namespace _V2
}  // namespace chrono
}  // namespace std
