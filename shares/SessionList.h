// The "Sessions" page's list: who holds a session open against this computer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "ui/Controls.h"

namespace shares {

// Replaces the list's rows with the open sessions, in the service's order; `clockText` gives the
// text of the active and idle seconds. Gives each row's record, in the rows' order. A failing
// enumeration ends the refresh silently.
std::vector<platform::SessionRecord> FillSessionList(
    platform::Platform& platform, ui::ListView& list,
    const std::function<std::string(std::uint32_t)>& clockText);

}  // namespace shares
