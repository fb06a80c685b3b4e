// Reading what is on the screen: pictures of windows and controls.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "Handles.h"

namespace e2e {

// Copies a screen rectangle (as it is shown, with whatever covers it).
std::unique_ptr<Pixels> CaptureScreen(const RECT& rect);

// Writes a 24-bit BMP file.
bool WriteBmp(const Pixels& pixels, const std::string& path);

// Which standard message-box icon the static icon control shows: "error", "question",
// "warning", "information", "none" or "unknown".
std::string IdentifyIcon(HWND iconControl);

}  // namespace e2e
