// Static text that can act as a hyperlink: its own colour and cursor, click, and mouse
// enter/leave.
#pragma once

#include "ui/win32/SubclassHook.h"
#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32Label : public Win32Control<ui::Label>, private SubclassHook {
 public:
  Win32Label(Color color, bool autoSize, bool rightAligned)
      : m_color(color), m_autoSize(autoSize), m_rightAligned(rightAligned) {}
  void Attach(HWND window);

  void SetText(const std::string& text) override;
  Color FontColor() const override { return m_color; }
  void SetFontColor(Color color) override;
  Cursor CursorKind() const override { return m_cursor; }
  void SetCursor(Cursor cursor) override;

  void OnCommand(HWND from, UINT code) override;
  HBRUSH OnColorStatic(HDC dc) override;

  // Makes the label exactly as large as its text in its font.
  void FitToText();

 private:
  bool OnSubclassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& result) override;
  void ShowCursor() const;

  Color m_color;
  bool m_autoSize;
  bool m_rightAligned;
  int m_rightEdge = 0;  // in the parent's client coordinates, as designed
  Cursor m_cursor = Cursor::Default;
  bool m_mouseInside = false;
};

}  // namespace ui::win32
