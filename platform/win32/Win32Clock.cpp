#include "platform/win32/Win32Clock.h"

#include <cstring>

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

bool Win32Clipboard::SetText(Handle owner, const std::string& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (memory == nullptr) return false;
  void* bytes = GlobalLock(memory);
  if (bytes == nullptr) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  if (!OpenClipboard(reinterpret_cast<HWND>(owner))) {
    GlobalFree(memory);
    return false;
  }
  // Once the clipboard has taken the memory it is the clipboard's to free.
  const bool taken = EmptyClipboard() && SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  if (!taken) GlobalFree(memory);
  return taken;
}

}  // namespace platform::win32
