#include "platform/win32/Win32Clipboard.h"

#include <cstring>

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {
namespace {

// Puts `bytes` (the terminator included) on the clipboard in `format`.
bool SetClipboardBytes(Handle owner, UINT format, const void* data, std::size_t bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return false;
  void* target = GlobalLock(memory);
  if (target == nullptr) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(target, data, bytes);
  GlobalUnlock(memory);
  if (!OpenClipboard(reinterpret_cast<HWND>(owner))) {
    GlobalFree(memory);
    return false;
  }
  // Once the clipboard has taken the memory it is the clipboard's to free.
  const bool taken = EmptyClipboard() && SetClipboardData(format, memory) != nullptr;
  CloseClipboard();
  if (!taken) GlobalFree(memory);
  return taken;
}

}  // namespace

bool Win32Clipboard::SetText(Handle owner, const std::string& text) {
  return SetClipboardBytes(owner, CF_TEXT, text.c_str(), text.size() + 1);
}

bool Win32Clipboard::SetUnicodeText(Handle owner, const std::u16string& text) {
  return SetClipboardBytes(owner, CF_UNICODETEXT, text.c_str(),
                           (text.size() + 1) * sizeof(char16_t));
}

}  // namespace platform::win32
