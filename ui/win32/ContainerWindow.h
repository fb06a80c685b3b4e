// The program's own window class for controls that hold other controls: tab pages, frames,
// panels and radio groups. It hands its children's notifications to their C++ objects, the way
// the form window does, and paints the panel's bevel.
#pragma once

#include <windows.h>

namespace ui::win32 {

enum class ContainerLook { Plain, Bevel };

// Registers the class once per process.
void RegisterContainerClass(HINSTANCE instance);

// A visible child container; children of it use its client coordinates.
HWND CreateContainer(HINSTANCE instance, HWND parent, int id, const RECT& rect, ContainerLook look,
                     bool visible);

// A group-box frame drawn by the system's button class, filling `container` and kept beneath
// the container's other children so that it never paints over them.
HWND CreateFrame(HINSTANCE instance, HWND container, const char* caption, HFONT font);

}  // namespace ui::win32
