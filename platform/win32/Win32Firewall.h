// The firewall in force, through its COM interfaces: Vista's policy where the system has it,
// else the XP SP2 manager.
#pragma once

#include "platform/Firewall.h"

namespace platform::win32 {

class Win32Firewall : public Firewall {
 public:
  bool Read(FirewallState& state, std::string& reason) override;
};

}  // namespace platform::win32
