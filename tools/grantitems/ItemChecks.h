// Whether an opened item may be granted on: the decisions of the walk, from what the folder
// listed and what the open handle reports.
#pragma once

#include <cstdint>

#include "tools/grantitems/ItemTree.h"

namespace grantitems {

enum class Verdict {
  kGrant,
  kLink,          // a junction, symbolic link or mount point: rights would land on its target
  kSeveralNames,  // a file with another name, maybe outside the folder: rights would reach it
  kNotListed,     // not the item the folder listed: replaced between listing and opening
};

// `volume` is the serial number of the volume the walk started on.
Verdict JudgeOpenedItem(const ListedItem& listed, const ItemFacts& opened, std::uint32_t volume);

// The reason bit (ExitCodes.h) of a verdict other than kGrant.
std::uint32_t LeftOutReason(Verdict verdict);

// "." and "..": listed by folders, never items of their own.
bool IsSelfOrParent(const std::u16string& name);

}  // namespace grantitems
