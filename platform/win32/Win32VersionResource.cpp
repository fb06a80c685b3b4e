// clang-format off
#include "platform/win32/WindowsApi.h"
#include "platform/win32/Win32VersionResource.h"
// clang-format on

#include <winver.h>

#include "platform/win32/SystemLibraries.h"

namespace platform::win32 {
namespace {

// The version calls, from the system folder's version.dll; null when it is missing.
template <class Function>
Function VersionCall(const char* name) {
  return SystemCall<Function>("version.dll", name);
}

}  // namespace

std::uint32_t Win32VersionResource::VersionInfoSize(const std::string& path) {
  const auto infoSize =
      VersionCall<decltype(&::GetFileVersionInfoSizeA)>("GetFileVersionInfoSizeA");
  return infoSize == nullptr ? 0 : infoSize(path.c_str(), nullptr);
}

bool Win32VersionResource::ReadVersionInfo(const std::string& path, std::uint32_t size,
                                           std::vector<std::uint8_t>& block) {
  const auto info = VersionCall<decltype(&::GetFileVersionInfoA)>("GetFileVersionInfoA");
  if (block.size() < size || info == nullptr) return false;
  return info(path.c_str(), 0, size, block.data()) != FALSE;
}

bool Win32VersionResource::QueryFixedFileVersion(const std::vector<std::uint8_t>& block,
                                                 FixedFileVersion& version) {
  const auto queryValue = VersionCall<decltype(&::VerQueryValueA)>("VerQueryValueA");
  if (block.empty() || queryValue == nullptr) return false;
  void* fixed = nullptr;
  UINT length = sizeof(VS_FIXEDFILEINFO);  // 52
  // The answer points into `block`; it is read here, before the caller lets the block go.
  if (!queryValue(block.data(), "\\", &fixed, &length) || fixed == nullptr ||
      length < sizeof(VS_FIXEDFILEINFO)) {
    return false;
  }
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  version.fileVersionMS = info->dwFileVersionMS;
  version.fileVersionLS = info->dwFileVersionLS;
  return true;
}

}  // namespace platform::win32
