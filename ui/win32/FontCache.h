// The fonts of one window: the window's own and the variants its controls ask for (bold,
// underlined, another size or character set). Each is made once and released with the cache.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace ui::win32 {

struct FontRequest {
  int height = 13;  // character height in pixels
  bool bold = false;
  bool underline = false;
  int charset = DEFAULT_CHARSET;

  bool operator==(const FontRequest& other) const {
    return height == other.height && bold == other.bold && underline == other.underline &&
           charset == other.charset;
  }
};

class FontCache {
 public:
  explicit FontCache(std::string face) : m_face(std::move(face)) {}
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;
  ~FontCache();

  // The font for `request`; nullptr when the system cannot make one.
  HFONT Get(const FontRequest& request);

 private:
  std::string m_face;
  // A window asks for a few variants: found by going through them, with a fraction of a sorted
  // tree's code.
  std::vector<std::pair<FontRequest, HFONT>> m_fonts;
};

}  // namespace ui::win32
