#include "platform/memory/MemoryTextConversion.h"

#include <utility>

namespace platform::memory {
namespace {

struct Pair {
  char16_t unit;
  const char* bytes;
};

// Shift-JIS: ソ フ ト 表 能 予 and the fullwidth backslash.
constexpr Pair kJapanese[] = {{u'\u30BD', "\x83\x5C"}, {u'\u30D5', "\x83\x74"},
                              {u'\u30C8', "\x83\x67"}, {u'\u8868', "\x95\x5C"},
                              {u'\u80FD', "\x94\x5C"}, {u'\u4E88', "\x97\x5C"},
                              {u'\uFF3C', "\x81\x5F"}};

// What code page 1252 makes of look-alikes when best fit is allowed, besides the fullwidth forms
// of ASCII (U+FF01 to U+FF5E), which become their ASCII characters.
constexpr Pair kBestFit[] = {{u'\u02BA', "\""}, {u'\u2215', "/"}};

}  // namespace

std::string MemoryTextConversion::OwnForm(char16_t unit) const {
  if (codePage == CodePage::Western) {
    return unit <= 0xFF ? std::string(1, static_cast<char>(unit)) : std::string();
  }
  if (unit < 0x80) return std::string(1, static_cast<char>(unit));
  for (const Pair& pair : kJapanese) {
    if (pair.unit == unit) return pair.bytes;
  }
  return std::string();
}

bool MemoryTextConversion::IsLeadByte(unsigned char byte) {
  return codePage == CodePage::Japanese &&
         ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC));
}

bool MemoryTextConversion::AnsiToWide(const std::string& ansi, std::u16string& wide,
                                      std::size_t capacity) {
  wide.clear();
  std::u16string converted;
  for (std::size_t at = 0; at < ansi.size(); ++at) {
    const auto byte = static_cast<unsigned char>(ansi[at]);
    if (!IsLeadByte(byte)) {
      // Bytes of the Japanese page above ASCII that are not lead bytes are not modelled.
      converted.push_back(codePage == CodePage::Western || byte < 0x80 ? byte : u'\u30FB');
      continue;
    }
    char16_t unit = u'\u30FB';  // a character this model does not know
    if (at + 1 < ansi.size()) {
      for (const Pair& pair : kJapanese) {
        if (ansi.compare(at, 2, pair.bytes) == 0) unit = pair.unit;
      }
    }
    converted.push_back(unit);
    ++at;
  }
  if (converted.size() + 1 > capacity) return false;
  wide = std::move(converted);
  return true;
}

std::string MemoryTextConversion::WideToAnsi(const std::u16string& wide) {
  std::string ansi;
  for (char16_t unit : wide) {
    std::string form = OwnForm(unit);
    if (form.empty() && codePage == CodePage::Western && unit >= 0xFF01 && unit <= 0xFF5E) {
      form = std::string(1, static_cast<char>(unit - 0xFEE0));
    }
    if (form.empty() && codePage == CodePage::Western) {
      for (const Pair& pair : kBestFit) {
        if (pair.unit == unit) form = pair.bytes;
      }
    }
    ansi += form.empty() ? std::string("?") : form;
  }
  return ansi;
}

bool MemoryTextConversion::WideToAnsiExact(const std::u16string& wide, std::string& ansi) {
  ansi.clear();
  std::string converted;
  for (char16_t unit : wide) {
    const std::string form = OwnForm(unit);
    if (form.empty()) return false;
    converted += form;
  }
  ansi = std::move(converted);
  return true;
}

}  // namespace platform::memory
