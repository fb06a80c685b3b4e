#include "ui/win32/Win32RichText.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace ui::win32 {

namespace {

struct StreamSource {
  const std::string* bytes;
  std::size_t offset;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  const std::size_t left = source->bytes->size() - source->offset;
  const std::size_t count = std::min<std::size_t>(left, size > 0 ? size : 0);
  std::memcpy(buffer, source->bytes->data() + source->offset, count);
  source->offset += count;
  *read = static_cast<LONG>(count);
  return 0;
}

}  // namespace

void Win32RichText::SetDefaultFormat(HFONT font, int charset) {
  SendMessageA(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // The control keeps far more than the 32K characters it accepts by default.
  SendMessageA(m_window, EM_EXLIMITTEXT, 0, 16 * 1024 * 1024);

  LOGFONTA logFont;
  ZeroMemory(&logFont, sizeof(logFont));
  if (font == nullptr || GetObjectA(font, sizeof(logFont), &logFont) == 0) return;
  HDC screen = GetDC(nullptr);
  const int pixelsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);

  CHARFORMATA format;
  ZeroMemory(&format, sizeof(format));
  format.cbSize = sizeof(format);
  format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
  // Twips: the character height in pixels at the screen's resolution, in 1/1440 inch.
  const int height = logFont.lfHeight < 0 ? -logFont.lfHeight : logFont.lfHeight;
  format.yHeight = MulDiv(height, 1440, pixelsPerInch);
  format.bCharSet = static_cast<BYTE>(charset);
  format.bPitchAndFamily = logFont.lfPitchAndFamily;
  lstrcpynA(format.szFaceName, logFont.lfFaceName, sizeof(format.szFaceName));
  SendMessageA(m_window, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  SendMessageA(m_window, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void Win32RichText::KeepTextInsideClientArea() {
  RECT client;
  RECT format;
  if (!GetClientRect(m_window, &client)) return;
  SendMessageA(m_window, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  // The control's own margins stay; only what lies outside the client area is cut off. Where
  // the rectangle already fits, the control keeps following its window's size by itself.
  if (format.right <= client.right && format.bottom <= client.bottom) return;
  format.right = std::min(format.right, client.right);
  format.bottom = std::min(format.bottom, client.bottom);
  SendMessageA(m_window, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
}

bool Win32RichText::StreamIn(const std::string& bytes, StreamFormat format) {
  StreamSource source = {&bytes, 0};
  EDITSTREAM stream;
  ZeroMemory(&stream, sizeof(stream));
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = &ReadChunk;
  const WPARAM kind = format == StreamFormat::RichText ? SF_RTF : SF_TEXT;
  const LRESULT read = SendMessageA(m_window, EM_STREAMIN, kind, reinterpret_cast<LPARAM>(&stream));
  if (stream.dwError != 0) return false;
  return read != 0 || bytes.empty();
}

}  // namespace ui::win32
