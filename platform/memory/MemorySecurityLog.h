// In-memory security log and audit policy, as a test sets them.
#pragma once

#include <algorithm>

#include "platform/SecurityLog.h"

namespace platform::memory {

class MemorySecurityLog : public SecurityLog {
 public:
  std::uint32_t LogonFailuresAudited(bool& audited) override {
    if (policyError == 0) audited = failuresAudited;
    return policyError;
  }
  std::uint32_t NewestAuditFailures(std::uint32_t newest, std::vector<AuditFailure>& out) override {
    if (logError != 0) return logError;
    out.assign(failures.begin(), failures.begin() + std::min<std::size_t>(newest, failures.size()));
    return 0;
  }

  // Failed logons are not audited unless a test says so.
  bool failuresAudited = false;
  std::uint32_t policyError = 0;
  std::vector<AuditFailure> failures;  // newest first
  std::uint32_t logError = 0;
};

}  // namespace platform::memory
