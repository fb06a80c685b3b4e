// The security event log: whether Windows records failed logons in it, and the newest records of
// failed attempts it holds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// One "audit failure" record of the security log: its event identifier (the low 16 bits), when
// it was written (seconds since 1970) and its insertion strings, whose meaning the identifier
// decides.
struct AuditFailure {
  std::uint32_t eventId = 0;
  std::uint32_t written = 0;
  std::vector<std::u16string> strings;
};

class SecurityLog {
 public:
  virtual ~SecurityLog() = default;
  // Whether the audit policy records failed logons (LsaQueryInformationPolicy,
  // PolicyAuditEventsInformation: auditing on and the failure flag of the logon category).
  // Only reads the policy. Windows error code.
  virtual std::uint32_t LogonFailuresAudited(bool& audited) = 0;
  // The audit failures among the newest `newest` records of the "Security" log, newest first
  // (OpenEventLogW, ReadEventLogW backwards). An empty log is success with none.
  virtual std::uint32_t NewestAuditFailures(std::uint32_t newest,
                                            std::vector<AuditFailure>& failures) = 0;
};

}  // namespace platform
