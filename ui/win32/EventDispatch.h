// Running the program's event handlers from inside window procedures. Nothing unwinds through
// the system's callback frames: the program is built without exceptions, and a handler's failure
// comes back to it as a value, reported before it returns (app::Application).
#pragma once

#include "ui/Controls.h"

namespace ui::win32 {

// Runs `event` when it is set.
void Fire(const Event& event);

}  // namespace ui::win32
