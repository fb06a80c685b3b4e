#include "platform/win32/PrivateDirectorySecurity.h"

namespace platform::win32 {

PrivateDirectorySecurity::Sid PrivateDirectorySecurity::WellKnownSid(BYTE count, DWORD first,
                                                                     DWORD second) {
  SID_IDENTIFIER_AUTHORITY ntAuthority = {SECURITY_NT_AUTHORITY};
  PSID sid = nullptr;
  if (!AllocateAndInitializeSid(&ntAuthority, count, first, second, 0, 0, 0, 0, 0, 0, &sid)) {
    return Sid();
  }
  return Sid(sid);
}

PrivateDirectorySecurity::PrivateDirectorySecurity()
    : administrators_(
          WellKnownSid(2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS)),  // S-1-5-32-544
      system_(WellKnownSid(1, SECURITY_LOCAL_SYSTEM_RID, 0)) {                     // S-1-5-18
  ZeroMemory(&descriptor_, sizeof(descriptor_));
  if (!administrators_ || !system_) return;

  const DWORD aceBase = sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD);
  const DWORD aclSize = sizeof(ACL) + aceBase + GetLengthSid(administrators_.get()) + aceBase +
                        GetLengthSid(system_.get());
  aclBuffer_.assign((aclSize + sizeof(DWORD) - 1) / sizeof(DWORD), 0);
  ACL* acl = reinterpret_cast<ACL*>(aclBuffer_.data());
  const DWORD inherit = OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;
  if (!InitializeAcl(acl, aclSize, ACL_REVISION) ||
      !AddAccessAllowedAceEx(acl, ACL_REVISION, inherit, FILE_ALL_ACCESS, administrators_.get()) ||
      !AddAccessAllowedAceEx(acl, ACL_REVISION, inherit, FILE_ALL_ACCESS, system_.get()) ||
      !InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) ||
      !SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE) ||
      !SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED)) {
    return;
  }
  valid_ = true;
}

}  // namespace platform::win32
