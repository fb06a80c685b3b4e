// The "Shared Folders" page's list: every share of the local computer.
#pragma once

#include <vector>

#include "platform/Platform.h"
#include "ui/Controls.h"

namespace shares {

// Replaces the list's rows with the computer's shares: names ending in "$" first, in the reverse
// of the service's order, then the others in the service's order. Gives each row's record, in
// the rows' order. A failing enumeration ends the refresh silently with the rows of the portions
// read before it.
std::vector<platform::ShareRecord> FillSharedFolderList(platform::Platform& platform,
                                                        ui::ListView& list);

}  // namespace shares
