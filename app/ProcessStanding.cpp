#include "app/ProcessStanding.h"

namespace app {

bool SameStanding(const ProcessStanding& ours, const ProcessStanding& theirs) {
  if (!ours.read || !theirs.read) return false;
  return ours.elevated == theirs.elevated && ours.administrator == theirs.administrator;
}

}  // namespace app
