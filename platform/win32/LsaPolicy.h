// The local security policy: opening it, and reading the user rights it grants an account or
// group directly (for the undo record, which names accounts, and the sharing check, which knows
// them by SID).
#pragma once

// clang-format off
#include "platform/win32/WindowsApi.h"
#include <ntsecapi.h>
// clang-format on

#include <cstdint>
#include <string>
#include <vector>

namespace platform::win32 {

class LsaPolicy {
 public:
  explicit LsaPolicy(ACCESS_MASK access);
  ~LsaPolicy();
  LsaPolicy(const LsaPolicy&) = delete;
  LsaPolicy& operator=(const LsaPolicy&) = delete;
  bool open() const { return m_status == 0; }
  DWORD error() const { return LsaNtStatusToWinError(m_status); }
  LSA_HANDLE get() const { return m_handle; }

 private:
  LSA_HANDLE m_handle = nullptr;
  NTSTATUS m_status = 0;
};

// The rights granted to `account` directly; an account the policy does not know holds none,
// which is success with no rights.
std::uint32_t ReadAccountRights(PSID account, std::vector<std::string>& rights);

}  // namespace platform::win32
