// clang-format off
#include "platform/win32/WindowsApi.h"
#include "platform/win32/Win32VersionResource.h"
// clang-format on

#include <winver.h>

namespace platform::win32 {

std::uint32_t Win32VersionResource::VersionInfoSize(const std::string& path) {
  return GetFileVersionInfoSizeA(path.c_str(), nullptr);
}

bool Win32VersionResource::ReadVersionInfo(const std::string& path, std::uint32_t size,
                                           std::vector<std::uint8_t>& block) {
  if (block.size() < size) return false;
  return GetFileVersionInfoA(path.c_str(), 0, size, block.data()) != FALSE;
}

bool Win32VersionResource::QueryFixedFileVersion(const std::vector<std::uint8_t>& block,
                                                 FixedFileVersion& version) {
  if (block.empty()) return false;
  void* fixed = nullptr;
  UINT length = sizeof(VS_FIXEDFILEINFO);  // 52
  // The answer points into `block`; it is read here, before the caller lets the block go.
  if (!VerQueryValueA(block.data(), "\\", &fixed, &length) || fixed == nullptr ||
      length < sizeof(VS_FIXEDFILEINFO)) {
    return false;
  }
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  version.fileVersionMS = info->dwFileVersionMS;
  version.fileVersionLS = info->dwFileVersionLS;
  return true;
}

}  // namespace platform::win32
