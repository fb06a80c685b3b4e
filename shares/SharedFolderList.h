// The "Shared Folders" page's list: every share of the local computer, and the exact record
// behind each row.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Platform.h"
#include "platform/ShareTable.h"
#include "ui/Controls.h"

namespace shares {

class ListedShares {
 public:
  // Replaces the list's rows and the records with the computer's shares: names ending in "$"
  // first, in the reverse of the service's order, then the others in the service's order. A
  // failing enumeration ends the refresh silently with the rows of the portions read before it.
  // The records are dropped before the new ones are read: a refresh holds one set at a time.
  void Fill(platform::Platform& platform, ui::ListView& list);
  // The record of the list's selected row; none when no row is selected.
  std::optional<platform::ShareRecord> Selected(const ui::ListView& list) const;

 private:
  platform::ShareTable m_table;        // in the service's order
  std::vector<std::uint32_t> m_shown;  // the record of each row, in the rows' order
};

}  // namespace shares
