// The records behind the rows of the share, session and open-file lists. A row's texts are for
// the eye only: converted to the ANSI code page, a character the code page cannot hold becomes a
// look-alike or "?", so two rows may read the same and a path may read as another folder. Every
// action takes the row's record, exactly as the service handed it out.
#pragma once

#include <cstddef>
#include <vector>

#include "ui/Controls.h"

namespace shares {

// The record of the list's selected row; null when no row is selected.
template <class Record>
const Record* SelectedRecord(const ui::ListView& list, const std::vector<Record>& records) {
  const int selected = list.SelectedIndex();
  if (selected < 0 || static_cast<std::size_t>(selected) >= records.size()) return nullptr;
  return &records[static_cast<std::size_t>(selected)];
}

}  // namespace shares
