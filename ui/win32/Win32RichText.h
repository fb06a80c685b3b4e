// The rich-text area: read-only content replaced as a whole from RTF or plain text in memory.
#pragma once

#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32RichText : public Win32Control<ui::RichText> {
 public:
  // Sets the format of text that carries none of its own (plain text, typed text).
  void SetDefaultFormat(HFONT font, int charset);
  // Makes lines wrap at the edge of the client area, left of the vertical scroll bar. Some
  // rich-edit implementations take their formatting rectangle from the client area while the
  // window is being created, before the scroll bar has been added to its frame, and then wrap
  // lines beneath the bar. Call once the window exists.
  void KeepTextInsideClientArea();
  bool StreamIn(const std::string& bytes, StreamFormat format) override;
};

}  // namespace ui::win32
