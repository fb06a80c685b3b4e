// Reading another process's menu bar through the probe that the driver loads into it.
#pragma once

#include <windows.h>

#include <string>

#include "MenuQuery.h"

namespace e2e {

// Fills `query` (window and id set by the caller) by running the probe in the window's process.
bool ReadRemoteMenu(MenuQuery& query, std::string& error);

}  // namespace e2e
