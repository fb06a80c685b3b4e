// The firewall as it is in force, read through the firewall's own interface, not the registry.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct FirewallState {
  // The Vista-era policy (INetFwPolicy2) answered; otherwise the XP SP2 one (INetFwMgr).
  bool vistaPolicy = false;
  // Vista: the current network locations (domain 1, private 2, public 4). XP: 0.
  std::uint32_t currentProfiles = 0;
  // In every current profile: the firewall is on; incoming connections that an exception
  // allows are let in (XP: exceptions allowed; Vista: not "block all incoming"); file and
  // printer sharing is open (XP: its service exception, or the four ports; Vista: its rules).
  bool enabled = false;
  bool exceptionsAllowed = false;
  bool fileSharingOpen = false;
};

constexpr std::uint32_t kProfileDomain = 1;
constexpr std::uint32_t kProfilePrivate = 2;
constexpr std::uint32_t kProfilePublic = 4;

class Firewall {
 public:
  virtual ~Firewall() = default;
  // False when neither interface can be read; `reason` then says why in plain words.
  virtual bool Read(FirewallState& state, std::string& reason) = 0;
};

}  // namespace platform
