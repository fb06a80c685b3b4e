#include "help/FileVersionText.h"

#include <vector>

namespace help {

std::string GetFileVersionText(platform::VersionResource& versions, const std::string& path) {
  const std::uint32_t size = versions.VersionInfoSize(path);
  if (size == 0) return std::string();
  // The fixed block points into this buffer, which goes away with it on every path.
  std::vector<std::uint8_t> block(size, 0);
  platform::FixedFileVersion fixed;
  if (!versions.ReadVersionInfo(path, size, block) ||
      !versions.QueryFixedFileVersion(block, fixed)) {
    return std::string();
  }
  return std::to_string(fixed.fileVersionMS >> 16) + "." +
         std::to_string(fixed.fileVersionMS & 0xFFFFu) + "." +
         std::to_string(fixed.fileVersionLS >> 16) + "." +
         std::to_string(fixed.fileVersionLS & 0xFFFFu);
}

}  // namespace help
