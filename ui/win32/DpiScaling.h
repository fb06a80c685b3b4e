// The window tables are written for 96 DPI, the setting of an ordinary screen. At another
// setting every window is made with its places, sizes, list columns and fonts scaled by DPI/96,
// so that it keeps its proportions as the system's text, menus and pictures grow with it.
#pragma once

#include "ui/FormDesign.h"

namespace ui::win32 {

// The screen's DPI setting (logical pixels per inch); 96 when the system does not say.
int ScreenDpi();

// `value`, given for 96 DPI, at `dpi`.
int ScaledToDpi(int value, int dpi);

// The design with every place, size and font height scaled from 96 DPI to `dpi`.
FormDesign ScaledDesign(const FormDesign& design, int dpi);

}  // namespace ui::win32
