// The new-share dialog's window and controls, as designed.
#pragma once

#include "ui/FormSpec.h"

namespace shares {

ui::FormSpec NewShareLayout();

}  // namespace shares
