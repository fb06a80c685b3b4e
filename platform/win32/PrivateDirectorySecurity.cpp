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
    : m_administrators(
          WellKnownSid(2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS)),  // S-1-5-32-544
      m_system(WellKnownSid(1, SECURITY_LOCAL_SYSTEM_RID, 0)) {                    // S-1-5-18
  ZeroMemory(&m_descriptor, sizeof(m_descriptor));
  if (!m_administrators || !m_system) return;

  const DWORD aceBase = sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD);
  const DWORD aclSize = sizeof(ACL) + aceBase + GetLengthSid(m_administrators.get()) + aceBase +
                        GetLengthSid(m_system.get());
  m_aclBuffer.assign((aclSize + sizeof(DWORD) - 1) / sizeof(DWORD), 0);
  ACL* acl = reinterpret_cast<ACL*>(m_aclBuffer.data());
  const DWORD inherit = OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;
  if (!InitializeAcl(acl, aclSize, ACL_REVISION) ||
      !AddAccessAllowedAceEx(acl, ACL_REVISION, inherit, FILE_ALL_ACCESS, m_administrators.get()) ||
      !AddAccessAllowedAceEx(acl, ACL_REVISION, inherit, FILE_ALL_ACCESS, m_system.get()) ||
      !InitializeSecurityDescriptor(&m_descriptor, SECURITY_DESCRIPTOR_REVISION) ||
      !SetSecurityDescriptorDacl(&m_descriptor, TRUE, acl, FALSE) ||
      !SetSecurityDescriptorControl(&m_descriptor, SE_DACL_PROTECTED, SE_DACL_PROTECTED)) {
    return;
  }
  m_valid = true;
}

}  // namespace platform::win32
