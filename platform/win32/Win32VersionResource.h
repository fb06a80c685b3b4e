// Version resources of program files through the version library.
#pragma once

#include "platform/VersionResource.h"

namespace platform::win32 {

class Win32VersionResource : public VersionResource {
 public:
  std::uint32_t VersionInfoSize(const std::string& path) override;
  bool ReadVersionInfo(const std::string& path, std::uint32_t size,
                       std::vector<std::uint8_t>& block) override;
  bool QueryFixedFileVersion(const std::vector<std::uint8_t>& block,
                             FixedFileVersion& version) override;
};

}  // namespace platform::win32
