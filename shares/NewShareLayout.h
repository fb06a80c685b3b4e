// The new-share dialog's window and controls, as designed.
#pragma once

#include "ui/FormDesign.h"

namespace shares {

ui::FormDesign NewShareLayout();

}  // namespace shares
