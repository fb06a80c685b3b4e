// The "Shared Folders" page's list: every share of the local computer.
#pragma once

#include "platform/Platform.h"
#include "ui/Controls.h"

namespace shares {

// Replaces the list's rows with the computer's shares: names ending in "$" first, in the reverse
// of the service's order, then the others in the service's order. A failing enumeration ends
// the refresh silently with the rows of the portions read before it.
void FillSharedFolderList(platform::Platform& platform, ui::ListView& list);

}  // namespace shares
