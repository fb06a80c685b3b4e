#include "tools/myright/Sid.h"

#include "tools/myright/Text.h"

namespace myright {

namespace {

constexpr std::size_t kHeaderSize = 8;  // revision, count, six authority bytes
constexpr std::uint8_t kRevision = 1;
constexpr std::uint8_t kMaxSubAuthorities = 15;

}  // namespace

Sid::Sid(std::initializer_list<std::uint8_t> bytes) {
  for (std::uint8_t byte : bytes) {
    if (!push_back(byte)) break;
  }
}

void Sid::resize(std::size_t count, std::uint8_t value) {
  if (count > kCapacity) count = kCapacity;
  for (std::size_t i = size_; i < count; ++i) bytes_[i] = value;
  size_ = count;
}

bool Sid::assign(const std::uint8_t* bytes, std::size_t count) {
  if (count > kCapacity) return false;
  for (std::size_t i = 0; i < count; ++i) bytes_[i] = bytes[i];
  size_ = count;
  return true;
}

bool Sid::push_back(std::uint8_t byte) {
  if (size_ == kCapacity) return false;
  bytes_[size_++] = byte;
  return true;
}

bool operator==(const Sid& a, const Sid& b) {
  if (a.size_ != b.size_) return false;
  for (std::size_t i = 0; i < a.size_; ++i) {
    if (a.bytes_[i] != b.bytes_[i]) return false;
  }
  return true;
}

bool operator<(const Sid& a, const Sid& b) {
  for (std::size_t i = 0; i < a.size_ && i < b.size_; ++i) {
    if (a.bytes_[i] != b.bytes_[i]) return a.bytes_[i] < b.bytes_[i];
  }
  return a.size_ < b.size_;
}

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

SidText SidToText(const Sid& sid) {
  SidText result;
  TextBuffer text(result.text, sizeof result.text);
  if (!IsWellFormedSid(sid)) {
    text.Append("(malformed SID)");
    return result;
  }
  std::uint64_t authority = 0;
  for (std::size_t i = 2; i < kHeaderSize; ++i) authority = (authority << 8) | sid[i];
  text.Append("S-").AppendNumber(sid[0]).Append("-").AppendNumber(authority);
  for (std::size_t i = 0; i < sid[1]; ++i) {
    const std::size_t at = kHeaderSize + 4 * i;
    const std::uint32_t sub = static_cast<std::uint32_t>(sid[at]) |
                              static_cast<std::uint32_t>(sid[at + 1]) << 8 |
                              static_cast<std::uint32_t>(sid[at + 2]) << 16 |
                              static_cast<std::uint32_t>(sid[at + 3]) << 24;
    text.Append("-").AppendNumber(sub);
  }
  return result;
}

}  // namespace myright
