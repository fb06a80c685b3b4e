// In-memory version resources: the files a test gives one, each step able to fail on its own.
#pragma once

#include <map>
#include <string>

#include "platform/VersionResource.h"

namespace platform::memory {

struct MemoryVersionInfo {
  FixedFileVersion fixed;
  std::uint32_t size = 1024;       // what the size query answers
  bool readFails = false;          // GetFileVersionInfoA fails
  bool withoutFixedBlock = false;  // the resource has no root block
};

class MemoryVersionResource : public VersionResource {
 public:
  std::uint32_t VersionInfoSize(const std::string& path) override;
  bool ReadVersionInfo(const std::string& path, std::uint32_t size,
                       std::vector<std::uint8_t>& block) override;
  bool QueryFixedFileVersion(const std::vector<std::uint8_t>& block,
                             FixedFileVersion& version) override;

  // Gives a file a version resource of file version a.b.c.d.
  void PutVersion(const std::string& path, std::uint16_t major, std::uint16_t minor,
                  std::uint16_t release, std::uint16_t build);
  std::map<std::string, MemoryVersionInfo> files;  // lower-case path -> resource
  std::vector<std::string> reads;                  // every path whose resource was read

 private:
  const MemoryVersionInfo* Find(const std::string& path) const;
};

}  // namespace platform::memory
