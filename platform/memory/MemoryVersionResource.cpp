#include "platform/memory/MemoryVersionResource.h"

#include <algorithm>
#include <cctype>

namespace platform::memory {
namespace {

// The block carries the fixed file-version block at its start, as the system lays it out:
// signature, structure version, then the file version's two halves.
constexpr std::uint32_t kSignature = 0xFEEF04BDu;
constexpr std::size_t kFixedBlockSize = 52;

void Put32(std::vector<std::uint8_t>& block, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) block[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t Get32(const std::vector<std::uint8_t>& block, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{block[at + i]} << (8 * i);
  return value;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

const MemoryVersionInfo* MemoryVersionResource::Find(const std::string& path) const {
  auto found = files.find(Lower(path));
  return found == files.end() ? nullptr : &found->second;
}

void MemoryVersionResource::PutVersion(const std::string& path, std::uint16_t major,
                                       std::uint16_t minor, std::uint16_t release,
                                       std::uint16_t build) {
  MemoryVersionInfo info;
  info.fixed.fileVersionMS = (std::uint32_t{major} << 16) | minor;
  info.fixed.fileVersionLS = (std::uint32_t{release} << 16) | build;
  files[Lower(path)] = info;
}

std::uint32_t MemoryVersionResource::VersionInfoSize(const std::string& path) {
  const MemoryVersionInfo* info = Find(path);
  return info == nullptr ? 0 : info->size;
}

bool MemoryVersionResource::ReadVersionInfo(const std::string& path, std::uint32_t size,
                                            std::vector<std::uint8_t>& block) {
  reads.push_back(path);
  const MemoryVersionInfo* info = Find(path);
  if (info == nullptr || info->readFails || size < kFixedBlockSize || block.size() < size) {
    return false;
  }
  std::fill(block.begin(), block.end(), std::uint8_t{0});
  if (!info->withoutFixedBlock) {
    Put32(block, 0, kSignature);
    Put32(block, 4, 0x00010000u);
    Put32(block, 8, info->fixed.fileVersionMS);
    Put32(block, 12, info->fixed.fileVersionLS);
  }
  return true;
}

bool MemoryVersionResource::QueryFixedFileVersion(const std::vector<std::uint8_t>& block,
                                                  FixedFileVersion& version) {
  if (block.size() < kFixedBlockSize || Get32(block, 0) != kSignature) return false;
  version.fileVersionMS = Get32(block, 8);
  version.fileVersionLS = Get32(block, 12);
  return true;
}

}  // namespace platform::memory
