// The security event log and the audit policy through the classic event log calls and the local
// security policy, which both Windows XP and Vista offer.
#pragma once

#include "platform/SecurityLog.h"

namespace platform::win32 {

class Win32SecurityLog : public SecurityLog {
 public:
  std::uint32_t LogonFailuresAudited(bool& audited) override;
  std::uint32_t NewestAuditFailures(std::uint32_t newest,
                                    std::vector<AuditFailure>& failures) override;
};

}  // namespace platform::win32
