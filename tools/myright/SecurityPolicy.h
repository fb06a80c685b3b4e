// What the rights tool needs from the computer's local security policy. Every call returns a
// Windows error code, 0 on success; outputs are set on success only.
#pragma once

#include "tools/myright/Sid.h"

namespace myright {

using SystemError = unsigned long;

class SecurityPolicy {
 public:
  // Opens the local policy for looking up names and creating account entries; every call below
  // needs it.
  virtual SystemError Open() = 0;
  // Resolves an account name, plain or "DOMAIN\name", to its identifier.
  virtual SystemError LookupAccount(const char* name, Sid& sid) = 0;
  // The identifier of the computer's own account domain (the one local accounts belong to).
  virtual SystemError QueryAccountDomainSid(Sid& sid) = 0;
  // Grants a user right or privilege, such as "SeNetworkLogonRight"; granting one already held
  // succeeds.
  virtual SystemError AddRight(const Sid& sid, const char* right) = 0;
  // Revokes it; revoking a right that is not held, also from an account that holds none,
  // succeeds.
  virtual SystemError RemoveRight(const Sid& sid, const char* right) = 0;

 protected:
  // Policies are held by value, never deleted through this interface.
  ~SecurityPolicy() = default;
};

}  // namespace myright
