#include "ui/win32/Win32Label.h"

#include "ui/win32/CaptionFit.h"
#include "ui/win32/EventDispatch.h"
#include "ui/win32/MessagePump.h"

namespace ui::win32 {

void Win32Label::Attach(HWND window) {
  Win32Control::Attach(window);
  Install(window);
  RECT placed;
  GetWindowRect(window, &placed);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&placed), 2);
  m_rightEdge = placed.right;
  if (m_autoSize) {
    FitToText();
    return;
  }
  // A label of a fixed size is at least one line of its font high, so no letter loses its foot.
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  const int line = CaptionExtent(window, font, "").cy;
  if (placed.bottom - placed.top < line) {
    SetWindowPos(window, nullptr, 0, 0, placed.right - placed.left, line,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Win32Label::SetText(const std::string& text) {
  Win32Control::SetText(text);
  if (m_autoSize) FitToText();
}

void Win32Label::SetFontColor(Color color) {
  m_color = color;
  InvalidateRect(m_window, nullptr, TRUE);
}

void Win32Label::SetCursor(Cursor cursor) {
  m_cursor = cursor;
  if (m_mouseInside) ShowCursor();
}

void Win32Label::OnCommand(HWND, UINT code) {
  if (code == STN_CLICKED) Fire(onClick);
}

HBRUSH Win32Label::OnColorStatic(HDC dc) {
  const COLORREF text = m_color == kWindowText ? GetSysColor(COLOR_WINDOWTEXT) : m_color;
  SetTextColor(dc, text);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

void Win32Label::FitToText() {
  const std::string text = Text();
  HDC dc = GetDC(m_window);
  if (dc == nullptr) return;
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(m_window, WM_GETFONT, 0, 0));
  HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
  RECT bounds = {0, 0, 0, 0};
  TEXTMETRICA metrics;
  GetTextMetricsA(dc, &metrics);
  if (text.empty()) {
    bounds.bottom = metrics.tmHeight;
  } else {
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | DT_LEFT | DT_EXPANDTABS);
    // A substituted outline face can draw its last glyph past the measured advance; a little
    // room on the right (background colour only) keeps it whole.
    bounds.right += metrics.tmAveCharWidth / 2 + 1;
  }
  if (previous != nullptr) SelectObject(dc, previous);
  ReleaseDC(m_window, dc);
  const int width = bounds.right - bounds.left;
  RECT placed;
  GetWindowRect(m_window, &placed);
  MapWindowPoints(nullptr, GetParent(m_window), reinterpret_cast<POINT*>(&placed), 2);
  // A right-aligned label keeps its right edge and grows to the left.
  const int left = m_rightAligned ? m_rightEdge - width : placed.left;
  SetWindowPos(m_window, nullptr, left, placed.top, width, bounds.bottom - bounds.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(m_window, nullptr, TRUE);
}

void Win32Label::ShowCursor() const {
  ::SetCursor(LoadCursor(nullptr, m_cursor == Cursor::HandPoint ? IDC_HAND : IDC_ARROW));
}

bool Win32Label::OnSubclassMessage(HWND window, UINT message, WPARAM, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (!m_mouseInside) {
        m_mouseInside = true;
        TRACKMOUSEEVENT track;
        ZeroMemory(&track, sizeof(track));
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = window;
        TrackMouseEvent(&track);
        Fire(onMouseEnter);
      }
      return false;
    case WM_MOUSELEAVE:
      m_mouseInside = false;
      Fire(onMouseLeave);
      result = 0;
      return true;
    case WM_SETCURSOR:
      // A busy window shows the wait cursor over its links too.
      if (AnyWindowBusy()) return false;
      ShowCursor();
      result = TRUE;
      return true;
    default:
      return false;
  }
}

}  // namespace ui::win32
