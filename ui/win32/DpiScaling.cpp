#include "ui/win32/DpiScaling.h"

#include <windows.h>

namespace ui::win32 {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return 96;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int ScaledToDpi(int value, int dpi) { return MulDiv(value, dpi, 96); }

FormDesign ScaledDesign(const FormDesign& design, int dpi) {
  FormDesign scaled = design;
  if (dpi == 96) return scaled;
  auto scale = [dpi](int& value) { value = ScaledToDpi(value, dpi); };
  scale(scaled.clientWidth);
  scale(scaled.clientHeight);
  scale(scaled.left);
  scale(scaled.top);
  scale(scaled.fontHeight);
  for (ControlDesign& control : scaled.controls) {
    // The edges are scaled rather than the sizes, so that controls that meet at 96 DPI still
    // meet, and one that ends where another begins still does.
    Rect& rect = control.rect;
    const int right = ScaledToDpi(rect.left + rect.width, dpi);
    const int bottom = ScaledToDpi(rect.top + rect.height, dpi);
    scale(rect.left);
    scale(rect.top);
    if (rect.width > 0) rect.width = right - rect.left;
    if (rect.height > 0) rect.height = bottom - rect.top;
    scale(control.fontHeight);
    for (Column& column : control.listColumns) scale(column.width);
  }
  return scaled;
}

}  // namespace ui::win32
