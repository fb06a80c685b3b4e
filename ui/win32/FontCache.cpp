#include "ui/win32/FontCache.h"

namespace ui::win32 {

FontCache::~FontCache() {
  for (auto& entry : m_fonts) DeleteObject(entry.second);
}

HFONT FontCache::Get(const FontRequest& request) {
  for (const auto& [made, font] : m_fonts) {
    if (made == request) return font;
  }
  // A negative height asks for the character height, without the internal leading.
  HFONT font =
      CreateFontA(-request.height, 0, 0, 0, request.bold ? FW_BOLD : FW_NORMAL, FALSE,
                  request.underline ? TRUE : FALSE, FALSE, static_cast<DWORD>(request.charset),
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  DEFAULT_PITCH | FF_DONTCARE, m_face.c_str());
  if (font != nullptr) m_fonts.emplace_back(request, font);
  return font;
}

}  // namespace ui::win32
