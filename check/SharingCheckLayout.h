// The "Sharing Check" dialog's window and controls as designed.
#pragma once

#include "ui/FormDesign.h"

namespace check {

ui::FormDesign SharingCheckLayout();

// The pictures of the report's rows, in the order of check::Status.
constexpr int kPictureOfStatus[] = {0, 1, 2, 3};

}  // namespace check
