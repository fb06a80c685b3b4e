#include "platform/win32/Win32ShareSecurity.h"

#include <algorithm>
#include <memory>
#include <vector>

// clang-format off
#include "platform/win32/WindowsApi.h"
#include <aclapi.h>
#include <sddl.h>
// clang-format on

#include "platform/win32/AccessEntries.h"

// The interface method of that name, not the A/W macro.
#undef SetEntriesInAcl

namespace platform::win32 {
namespace {

std::vector<char> Writable(const std::string& text) {
  std::vector<char> copy(text.begin(), text.end());
  copy.push_back('\0');
  return copy;
}

struct LocalFreer {
  void operator()(void* memory) const { ::LocalFree(memory); }
};
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
  LocalSid sid;
  std::vector<char> name;
  if (entry.trusteeForm == TRUSTEE_IS_SID) {
    PSID converted = nullptr;
    if (!ConvertStringSidToSidA(entry.trustee.c_str(), &converted)) return GetLastError();
    sid.reset(converted);
    access.Trustee.ptstrName = static_cast<LPSTR>(converted);
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

std::uint32_t Win32ShareSecurity::GetFolderAccess(const std::string& folder, bool& hasAccessList,
                                                  std::vector<AccessEntry>& entries) {
  PACL list = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  const DWORD status =
      GetNamedSecurityInfoA(folder.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                            nullptr, &list, nullptr, &descriptor);
  std::unique_ptr<void, LocalFreer> held(descriptor);
  if (status != ERROR_SUCCESS) return status;
  hasAccessList = list != nullptr;
  entries.clear();
  if (list != nullptr) ReadAccessEntries(list, entries);
  // Entries that only pass on to what is created inside do not apply to the folder itself.
  entries.erase(
      std::remove_if(entries.begin(), entries.end(),
                     [](const AccessEntry& entry) { return (entry.flags & kInheritOnlyAce) != 0; }),
      entries.end());
  return ERROR_SUCCESS;
}

}  // namespace platform::win32
