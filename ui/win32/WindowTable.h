// The C++ object behind each of the program's windows, found in the process: a window property
// would be a trip to the window system on every message, and a list being filled sends its
// window and its parent one per row. The program has at most a few hundred windows, so the table
// is a vector kept sorted by window and searched by halves, whose code is a fraction of a hash
// table's.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

namespace ui::win32 {

class WindowTable {
 public:
  // Sets or replaces the object of `window`.
  void Set(HWND window, void* object);
  void Remove(HWND window);
  // The object of `window`, or nullptr.
  void* Find(HWND window) const;

 private:
  using Entry = std::pair<HWND, void*>;
  std::vector<Entry>::const_iterator Place(HWND window) const;

  std::vector<Entry> m_entries;  // sorted by window
};

}  // namespace ui::win32
