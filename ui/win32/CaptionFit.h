// Captions that fit their controls, whatever the font the system draws them in.
#pragma once

#include <windows.h>

#include <string>

#include "ui/win32/FontCache.h"

namespace ui::win32 {

// What a push button keeps free on each side of its caption: its frame and the caption's margin.
constexpr int kButtonInset = 3;

// The width and line height in pixels of `text` as `window` draws it in `font` ('&' marks an
// access key and takes no room; "&&" is one '&').
SIZE CaptionExtent(HWND window, HFONT font, const std::string& text);

// Makes the caption of a push button fit beside its picture (`pictureRoom` pixels with its
// margins, 0 without one). A button of our own grows to the right; one placed at a fixed size
// keeps it and draws its caption in a smaller font, as far as two thirds of the requested one.
void FitButtonCaption(HWND button, const std::string& text, bool fixedSize, FontCache& fonts,
                      FontRequest request, int pictureRoom);

}  // namespace ui::win32
