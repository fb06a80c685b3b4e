#include "platform/win32/Win32ShareSecurity.h"

#include <memory>
#include <vector>

// clang-format off
#include "platform/win32/WindowsApi.h"
#include <aclapi.h>
#include <sddl.h>
// clang-format on

// The interface method of that name, not the A/W macro.
#undef SetEntriesInAcl

namespace platform::win32 {
namespace {

constexpr const char* kEveryone = "S-1-1-0";

std::vector<char> Writable(const std::string& text) {
  std::vector<char> copy(text.begin(), text.end());
  copy.push_back('\0');
  return copy;
}

struct SidFreer {
  void operator()(PSID sid) const { FreeSid(sid); }
};
struct LocalFreer {
  void operator()(void* memory) const { ::LocalFree(memory); }
};
using AllocatedSid = std::unique_ptr<void, SidFreer>;
using LocalSid = std::unique_ptr<void, LocalFreer>;

}  // namespace

std::uint32_t Win32ShareSecurity::GetShareDacl(const std::string& share, Handle& dacl,
                                               Handle& descriptor) {
  std::vector<char> name = Writable(share);
  PACL list = nullptr;
  PSECURITY_DESCRIPTOR securityDescriptor = nullptr;
  const DWORD status = GetNamedSecurityInfoA(name.data(), SE_LMSHARE, DACL_SECURITY_INFORMATION,
                                             nullptr, nullptr, &list, nullptr, &securityDescriptor);
  dacl = reinterpret_cast<Handle>(list);
  descriptor = reinterpret_cast<Handle>(securityDescriptor);
  return status;
}

std::uint32_t Win32ShareSecurity::SetEntriesInAcl(const ExplicitAccess& entry, Handle oldDacl,
                                                  Handle& newDacl) {
  EXPLICIT_ACCESS_A access = {};
  access.grfAccessPermissions = entry.accessPermissions;
  access.grfAccessMode = static_cast<ACCESS_MODE>(entry.accessMode);
  access.grfInheritance = entry.inheritance;
  access.Trustee.MultipleTrusteeOperation = NO_MULTIPLE_TRUSTEE;
  access.Trustee.TrusteeForm = static_cast<TRUSTEE_FORM>(entry.trusteeForm);
  access.Trustee.TrusteeType = static_cast<TRUSTEE_TYPE>(entry.trusteeType);

  // The identifier must outlive the call; the new list holds a copy of it.
  AllocatedSid everyone;
  LocalSid other;
  std::vector<char> name;
  if (entry.trusteeForm == TRUSTEE_IS_SID) {
    if (entry.trustee == kEveryone) {
      SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
      PSID sid = nullptr;
      if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &sid)) {
        return GetLastError();
      }
      everyone.reset(sid);
      access.Trustee.ptstrName = static_cast<LPSTR>(sid);
    } else {
      PSID sid = nullptr;
      if (!ConvertStringSidToSidA(entry.trustee.c_str(), &sid)) return GetLastError();
      other.reset(sid);
      access.Trustee.ptstrName = static_cast<LPSTR>(sid);
    }
  } else {
    name = Writable(entry.trustee);
    access.Trustee.ptstrName = name.data();
  }

  PACL list = nullptr;
  const DWORD status = SetEntriesInAclA(1, &access, reinterpret_cast<PACL>(oldDacl), &list);
  newDacl = reinterpret_cast<Handle>(list);
  return status;
}

std::uint32_t Win32ShareSecurity::SetShareDacl(const std::string& share, Handle dacl) {
  std::vector<char> name = Writable(share);
  return SetNamedSecurityInfoA(name.data(), SE_LMSHARE, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                               reinterpret_cast<PACL>(dacl), nullptr);
}

void Win32ShareSecurity::LocalFree(Handle memory) {
  if (memory != 0) ::LocalFree(reinterpret_cast<HLOCAL>(memory));
}

}  // namespace platform::win32
