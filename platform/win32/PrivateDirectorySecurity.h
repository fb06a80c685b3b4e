// A security descriptor for folders that only administrators and the system may open.
#pragma once

#include <memory>
#include <vector>

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

// Owns the SIDs, the access list and the descriptor that points at them. The DACL grants full
// control to BUILTIN\Administrators and LocalSystem, inherited by everything created inside,
// and is protected so that nothing is inherited from the parent folder.
class PrivateDirectorySecurity {
 public:
  PrivateDirectorySecurity();
  PrivateDirectorySecurity(const PrivateDirectorySecurity&) = delete;
  PrivateDirectorySecurity& operator=(const PrivateDirectorySecurity&) = delete;

  bool Valid() const { return m_valid; }
  SECURITY_DESCRIPTOR* Descriptor() { return &m_descriptor; }

 private:
  struct SidFree {
    void operator()(void* sid) const { FreeSid(sid); }
  };
  using Sid = std::unique_ptr<void, SidFree>;

  static Sid WellKnownSid(BYTE count, DWORD first, DWORD second);

  Sid m_administrators;
  Sid m_system;
  std::vector<DWORD> m_aclBuffer;  // DWORD-aligned, as an ACL must be
  SECURITY_DESCRIPTOR m_descriptor;
  bool m_valid = false;
};

}  // namespace platform::win32
