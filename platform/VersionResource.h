// Version resources of program files, in the three steps the system offers, so that the caller
// holds the block (and with it its release) and each step's failure can be told apart.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The fixed file-version block (VS_FIXEDFILEINFO) fields the program reads.
struct FixedFileVersion {
  std::uint32_t fileVersionMS = 0;
  std::uint32_t fileVersionLS = 0;
};

class VersionResource {
 public:
  virtual ~VersionResource() = default;
  // GetFileVersionInfoSizeA(path, no handle variable): 0 when the file has no version resource.
  virtual std::uint32_t VersionInfoSize(const std::string& path) = 0;
  // GetFileVersionInfoA(path, 0, size, block) into a block of `size` bytes.
  virtual bool ReadVersionInfo(const std::string& path, std::uint32_t size,
                               std::vector<std::uint8_t>& block) = 0;
  // VerQueryValueA(block, "\", ...) with the length preset to the size of the fixed block.
  virtual bool QueryFixedFileVersion(const std::vector<std::uint8_t>& block,
                                     FixedFileVersion& version) = 0;
};

}  // namespace platform
