// The local security policy of this computer through the LSA functions of advapi32.
#pragma once

#include <windows.h>
// ntsecapi.h builds on the types of windows.h.
#include <ntsecapi.h>

#include "tools/myright/SecurityPolicy.h"

namespace myright {

// Owns an open policy handle; closes it when it goes.
class LsaPolicyHandle {
 public:
  LsaPolicyHandle() = default;
  ~LsaPolicyHandle();
  LsaPolicyHandle(const LsaPolicyHandle&) = delete;
  LsaPolicyHandle& operator=(const LsaPolicyHandle&) = delete;

  LSA_HANDLE get() const { return handle_; }
  // Closes the handle held so far; the caller fills in the new one.
  LSA_HANDLE* Reset();

 private:
  LSA_HANDLE handle_ = nullptr;
};

class LsaSecurityPolicy : public SecurityPolicy {
 public:
  SystemError Open() override;
  SystemError LookupAccount(const char* name, Sid& sid) override;
  SystemError QueryAccountDomainSid(Sid& sid) override;
  SystemError AddRight(const Sid& sid, const char* right) override;
  SystemError RemoveRight(const Sid& sid, const char* right) override;

 private:
  LsaPolicyHandle policy_;
};

}  // namespace myright
