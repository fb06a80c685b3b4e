#include "ui/win32/CaptionFit.h"

namespace ui::win32 {

SIZE CaptionExtent(HWND window, HFONT font, const std::string& text) {
  std::string shown;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '&' && at + 1 < text.size()) ++at;
    shown += text[at];
  }
  SIZE size = {0, 0};
  HDC dc = GetDC(window);
  if (dc == nullptr) return size;
  HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
  GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
  TEXTMETRICA metrics;
  if (GetTextMetricsA(dc, &metrics)) size.cy = metrics.tmHeight;
  if (previous != nullptr) SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return size;
}

void FitButtonCaption(HWND button, const std::string& text, bool fixedSize, FontCache& fonts,
                      FontRequest request, int pictureRoom) {
  RECT placed;
  GetWindowRect(button, &placed);
  const int width = placed.right - placed.left;
  auto needed = [&](HFONT font) {
    return static_cast<int>(CaptionExtent(button, font, text).cx) + 2 * kButtonInset + pictureRoom;
  };
  HFONT font = fonts.Get(request);
  const int need = needed(font);
  if (need <= width) return;
  if (!fixedSize) {
    MapWindowPoints(nullptr, GetParent(button), reinterpret_cast<POINT*>(&placed), 2);
    SetWindowPos(button, nullptr, 0, 0, need, placed.bottom - placed.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  const int smallest = request.height * 2 / 3;
  while (request.height > smallest && needed(font) > width) {
    --request.height;
    HFONT smaller = fonts.Get(request);
    if (smaller == nullptr) break;
    font = smaller;
  }
  SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace ui::win32
