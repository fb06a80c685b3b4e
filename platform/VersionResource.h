// Version resources of program files.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The fixed file-version block (VS_FIXEDFILEINFO) fields the program reads.
struct FixedFileVersion {
  std::uint32_t fileVersionMS = 0;
  std::uint32_t fileVersionLS = 0;
};

class VersionResource {
 public:
  virtual ~VersionResource() = default;
  // GetFileVersionInfoSizeA + GetFileVersionInfoA + VerQueryValueA("\"); false when the file has no
  // readable version resource. The block is released inside, on every path.
  virtual bool ReadFixedFileVersion(const std::string& path, FixedFileVersion& version) = 0;
};

}  // namespace platform
