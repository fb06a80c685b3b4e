// A security identifier in its binary form, as the account database hands it out: revision,
// sub-authority count, 48-bit identifier authority (big-endian), then the 32-bit sub-authorities
// (little-endian). Kept as plain bytes so that the rights logic runs and is tested off Windows;
// a SID never exceeds 68 bytes, so they live in a fixed array and the tool needs no heap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace myright {

class Sid {
 public:
  // Eight header bytes and at most fifteen sub-authorities.
  static constexpr std::size_t kCapacity = 8 + 4 * 15;

  Sid() = default;
  // Bytes past the capacity are dropped: no SID has them.
  Sid(std::initializer_list<std::uint8_t> bytes);

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const std::uint8_t* data() const { return bytes_; }
  const std::uint8_t* begin() const { return bytes_; }
  const std::uint8_t* end() const { return bytes_ + size_; }
  std::uint8_t operator[](std::size_t at) const { return bytes_[at]; }
  std::uint8_t& operator[](std::size_t at) { return bytes_[at]; }

  // Grows with `value` or shrinks to `count` bytes; never past the capacity.
  void resize(std::size_t count, std::uint8_t value = 0);
  // Replaces the bytes; false, leaving them as they were, when `count` exceeds the capacity.
  bool assign(const std::uint8_t* bytes, std::size_t count);
  // False when the capacity is reached.
  bool push_back(std::uint8_t byte);

  friend bool operator==(const Sid& a, const Sid& b);
  friend bool operator!=(const Sid& a, const Sid& b) { return !(a == b); }
  friend bool operator<(const Sid& a, const Sid& b);

 private:
  std::uint8_t bytes_[kCapacity] = {};
  std::size_t size_ = 0;
};

// The relative identifier of the built-in guest account within the computer's account domain;
// it keeps this number when the account is renamed or carries a translated name.
constexpr std::uint32_t kGuestRid = 501;

// True when `sid` has the revision-1 layout and exactly the length its sub-authority count needs.
bool IsWellFormedSid(const Sid& sid);

// The identifier of an account of `domain`: the domain's identifier with `rid` appended. False,
// leaving `account` untouched, when `domain` is malformed or already holds the most
// sub-authorities a SID can have.
bool AppendRid(const Sid& domain, std::uint32_t rid, Sid& account);

// The usual text form, "S-1-5-21-1004336348-1177238915-682003330-501"; "(malformed SID)" for
// bytes that are not a SID. The longest form (48-bit authority, fifteen sub-authorities) fits.
struct SidText {
  char text[192];
};
SidText SidToText(const Sid& sid);
// The same as a string, for callers that hold strings (defined in StringForms.cpp).
std::string FormatSid(const Sid& sid);

}  // namespace myright
