// In-memory firewall: the state a test sets, or a refusal.
#pragma once

#include "platform/Firewall.h"

namespace platform::memory {

class MemoryFirewall : public Firewall {
 public:
  bool Read(FirewallState& out, std::string& reason) override {
    if (!unreadableReason.empty()) {
      reason = unreadableReason;
      return false;
    }
    out = state;
    return true;
  }

  // XP SP2 as the share modes leave it: on, exceptions allowed, file sharing open.
  FirewallState state{false, 0, true, true, true};
  std::string unreadableReason;  // non-empty: the read fails with this reason
};

}  // namespace platform::memory
