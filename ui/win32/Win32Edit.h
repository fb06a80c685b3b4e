// One-line and multi-line text fields: everything they need is what every control has.
#pragma once

#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32Edit : public Win32Control<ui::Edit> {};

}  // namespace ui::win32
