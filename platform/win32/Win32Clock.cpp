#include "platform/win32/Win32Clock.h"

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

std::int64_t Win32Clock::SecondsSince1970() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const std::uint64_t ticks =
      (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  // Hundreds of nanoseconds since 1601; 1970 began 11,644,473,600 seconds later.
  return static_cast<std::int64_t>(ticks / 10000000ull) - 11644473600ll;
}

std::uint64_t Win32Clock::MillisecondsSinceStart() {
  // Vista's 64-bit count does not wrap after 49.7 days; XP has only the 32-bit one.
  using TickCount64 = ULONGLONG(WINAPI*)();
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  auto* query = kernel == nullptr ? nullptr
                                  : reinterpret_cast<TickCount64>(reinterpret_cast<void*>(
                                        GetProcAddress(kernel, "GetTickCount64")));
  return query != nullptr ? query() : GetTickCount();
}

}  // namespace platform::win32
