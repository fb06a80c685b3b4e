#include "platform/win32/Win32Clipboard.h"

#include <cstring>

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

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
