#include "platform/win32/Win32MessageBoxes.h"

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

int Win32MessageBoxes::Show(Handle owner, const std::string& text, const std::string& caption,
                            std::uint32_t style) {
  return MessageBoxA(reinterpret_cast<HWND>(owner), text.c_str(), caption.c_str(), style);
}

}  // namespace platform::win32
