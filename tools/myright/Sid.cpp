#include "tools/myright/Sid.h"

#include <cstddef>

namespace myright {

namespace {

constexpr std::size_t kHeaderSize = 8;  // revision, count, six authority bytes
constexpr std::uint8_t kRevision = 1;
constexpr std::uint8_t kMaxSubAuthorities = 15;

}  // namespace

bool IsWellFormedSid(const Sid& sid) {
  if (sid.size() < kHeaderSize || sid[0] != kRevision || sid[1] > kMaxSubAuthorities) return false;
  return sid.size() == kHeaderSize + 4u * sid[1];
}

bool AppendRid(const Sid& domain, std::uint32_t rid, Sid& account) {
  if (!IsWellFormedSid(domain) || domain[1] == kMaxSubAuthorities) return false;
  Sid result = domain;
  result[1] = static_cast<std::uint8_t>(domain[1] + 1);
  for (int shift = 0; shift < 32; shift += 8) {
    result.push_back(static_cast<std::uint8_t>((rid >> shift) & 0xFF));
  }
  account = result;
  return true;
}

std::string FormatSid(const Sid& sid) {
  if (!IsWellFormedSid(sid)) return "(malformed SID)";
  std::uint64_t authority = 0;
  for (std::size_t i = 2; i < kHeaderSize; ++i) authority = (authority << 8) | sid[i];
  std::string text = "S-" + std::to_string(sid[0]) + "-" + std::to_string(authority);
  for (std::size_t i = 0; i < sid[1]; ++i) {
    const std::size_t at = kHeaderSize + 4 * i;
    const std::uint32_t sub = static_cast<std::uint32_t>(sid[at]) |
                              static_cast<std::uint32_t>(sid[at + 1]) << 8 |
                              static_cast<std::uint32_t>(sid[at + 2]) << 16 |
                              static_cast<std::uint32_t>(sid[at + 3]) << 24;
    text += "-" + std::to_string(sub);
  }
  return text;
}

}  // namespace myright
