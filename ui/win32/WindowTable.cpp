#include "ui/win32/WindowTable.h"

#include <algorithm>

namespace ui::win32 {

std::vector<WindowTable::Entry>::const_iterator WindowTable::Place(HWND window) const {
  return std::lower_bound(m_entries.begin(), m_entries.end(), window,
                          [](const Entry& entry, HWND key) { return entry.first < key; });
}

void WindowTable::Set(HWND window, void* object) {
  const auto at = Place(window);
  if (at != m_entries.end() && at->first == window) {
    m_entries[at - m_entries.begin()].second = object;
  } else {
    m_entries.insert(at, Entry(window, object));
  }
}

void WindowTable::Remove(HWND window) {
  const auto at = Place(window);
  if (at != m_entries.end() && at->first == window) m_entries.erase(at);
}

void* WindowTable::Find(HWND window) const {
  const auto at = Place(window);
  return at != m_entries.end() && at->first == window ? at->second : nullptr;
}

}  // namespace ui::win32
