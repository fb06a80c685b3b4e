#include "platform/win32/SystemFolder.h"

#include <vector>

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

std::string SystemFolder() {
  // Asked without a buffer, the call answers the size it needs, terminator included.
  const UINT needed = GetSystemDirectoryA(nullptr, 0);
  if (needed == 0) return std::string();
  std::vector<char> buffer(needed + 1, '\0');
  const UINT length = GetSystemDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
  if (length == 0 || length >= buffer.size()) return std::string();
  std::string folder(buffer.data(), length);
  if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  return folder;
}

}  // namespace platform::win32
