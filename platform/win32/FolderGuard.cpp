#include "platform/win32/FolderGuard.h"

#include <memory>

#include "platform/win32/WindowsApi.h"
// clang-format off
#include <aclapi.h>
#include <sddl.h>
// clang-format on

namespace platform::win32 {
namespace {

struct LocalFreer {
  void operator()(void* memory) const { LocalFree(memory); }
};
using LocalMemory = std::unique_ptr<void, LocalFreer>;

// The SID as text; empty when it is not valid or cannot be written so.
std::string SidText(PSID sid) {
  char* text = nullptr;
  if (sid == nullptr || !IsValidSid(sid) || !ConvertSidToStringSidA(sid, &text)) return {};
  LocalMemory held(text);
  return text;
}

}  // namespace

GuardedFolder ReadGuardedFolder(const std::string& path) {
  GuardedFolder folder;
  folder.driveRoot = path.size() == 3;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return folder;
  folder.directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  folder.reparsePoint = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  PSID owner = nullptr;
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoA(const_cast<char*>(path.c_str()), SE_FILE_OBJECT,
                            OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner, nullptr,
                            &dacl, nullptr, &descriptor) != ERROR_SUCCESS) {
    return folder;
  }
  LocalMemory held(descriptor);
  folder.owner = SidText(owner);
  folder.hasAccessList = dacl != nullptr;
  for (DWORD index = 0; dacl != nullptr && index < dacl->AceCount; ++index) {
    void* ace = nullptr;
    if (!GetAce(dacl, index, &ace)) return folder;
    const ACE_HEADER* header = static_cast<const ACE_HEADER*>(ace);
    GuardEntry entry;
    entry.flags = header->AceFlags;
    if (header->AceType == ACCESS_ALLOWED_ACE_TYPE || header->AceType == ACCESS_DENIED_ACE_TYPE) {
      // Allowed and denied entries share one layout.
      const ACCESS_ALLOWED_ACE* known = static_cast<const ACCESS_ALLOWED_ACE*>(ace);
      entry.kind = header->AceType == ACCESS_ALLOWED_ACE_TYPE ? GuardEntry::Kind::Allowed
                                                              : GuardEntry::Kind::Denied;
      entry.mask = known->Mask;
      entry.sid = SidText(const_cast<DWORD*>(&known->SidStart));
    } else {
      entry.kind = GuardEntry::Kind::Other;
    }
    folder.entries.push_back(entry);
  }
  folder.read = true;
  return folder;
}

FolderGuard ReadFolderGuard(const std::string& folder) {
  return GuardAlong(folder, &ReadGuardedFolder);
}

bool TokenIsAdministrator() {
  SID_IDENTIFIER_AUTHORITY ntAuthority = {SECURITY_NT_AUTHORITY};
  PSID administrators = nullptr;
  if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators)) {
    return false;
  }
  BOOL member = FALSE;
  const BOOL asked = CheckTokenMembership(nullptr, administrators, &member);
  FreeSid(administrators);
  return asked != FALSE && member != FALSE;
}

}  // namespace platform::win32
