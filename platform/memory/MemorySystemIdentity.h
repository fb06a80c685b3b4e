// In-memory system identity: version, user and computer name as a test sets them.
#pragma once

#include "platform/SystemIdentity.h"

namespace platform::memory {

class MemorySystemIdentity : public SystemIdentity {
 public:
  bool GetVersionEx(VersionRecord& record) override;
  bool GetUserName(std::string& name, std::uint32_t capacity) override;
  bool GetComputerName(std::string& name, std::uint32_t capacity) override;
  bool GetSuiteMask(std::uint32_t& mask) override {
    if (suiteMaskFails) return false;
    mask = suiteMask;
    return true;
  }
  bool IsAdministrator() override { return administrator; }

  VersionRecord version{kVersionRecordSize, 5, 1, 2600, 2, "Service Pack 3"};
  bool versionFails = false;
  std::string userName = "Administrator";
  bool userNameFails = false;
  std::string computerName = "WORKSTATION1";
  bool computerNameFails = false;
  std::uint32_t suiteMask = 0x100;  // VER_SUITE_SINGLEUSERTS, as XP Professional answers
  bool suiteMaskFails = false;
  bool administrator = true;
  std::uint32_t lastVersionRecordSize = 0;  // the size field the caller passed in
};

}  // namespace platform::memory
