#include "platform/win32/FolderGuard.h"

#include <memory>
#include <vector>

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

// BUILTIN\Administrators, LocalSystem, and the installer service that owns the Windows folder
// on Vista.
constexpr const char* kTrustedSids[] = {
    "S-1-5-32-544", "S-1-5-18", "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464"};
// CREATOR OWNER and CREATOR GROUP entries only stand in for the creator of a new entry, and
// OWNER RIGHTS applies to the owner, who is checked on its own.
constexpr const char* kPlaceholderSids[] = {"S-1-3-0", "S-1-3-1", "S-1-3-4"};

bool SidIsOneOf(PSID sid, const char* const* sids, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    PSID known = nullptr;
    if (!ConvertStringSidToSidA(sids[i], &known)) continue;
    LocalMemory held(known);
    if (EqualSid(sid, known)) return true;
  }
  return false;
}

bool Trusted(PSID sid) {
  return sid != nullptr && IsValidSid(sid) &&
         SidIsOneOf(sid, kTrustedSids, sizeof(kTrustedSids) / sizeof(kTrustedSids[0]));
}

// The rights that let a holder move, remove or re-permit a folder or what is in it.
constexpr DWORD kChangingRights = DELETE | WRITE_DAC | WRITE_OWNER | FILE_DELETE_CHILD;

bool OnlyTrustedCanChange(const std::string& path) {
  PSID owner = nullptr;
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoA(const_cast<char*>(path.c_str()), SE_FILE_OBJECT,
                            OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner, nullptr,
                            &dacl, nullptr, &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  LocalMemory held(descriptor);
  if (!Trusted(owner) || dacl == nullptr) return false;
  GENERIC_MAPPING mapping = {FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE,
                             FILE_ALL_ACCESS};
  for (DWORD index = 0; index < dacl->AceCount; ++index) {
    void* entry = nullptr;
    if (!GetAce(dacl, index, &entry)) return false;
    const ACE_HEADER* header = static_cast<const ACE_HEADER*>(entry);
    if ((header->AceFlags & INHERIT_ONLY_ACE) != 0) continue;  // not for this folder itself
    if (header->AceType == ACCESS_DENIED_ACE_TYPE) continue;   // takes away, never gives
    if (header->AceType != ACCESS_ALLOWED_ACE_TYPE) return false;
    const ACCESS_ALLOWED_ACE* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(entry);
    PSID sid = const_cast<DWORD*>(&allowed->SidStart);
    DWORD mask = allowed->Mask;
    MapGenericMask(&mask, &mapping);
    if ((mask & kChangingRights) == 0 || Trusted(sid)) continue;
    if (SidIsOneOf(sid, kPlaceholderSids, sizeof(kPlaceholderSids) / sizeof(kPlaceholderSids[0]))) {
      continue;
    }
    return false;
  }
  return true;
}

}  // namespace

FolderGuard ReadFolderGuard(const std::string& folder) {
  if (folder.size() < 3 || folder[1] != ':' || folder[2] != '\\') return FolderGuard::Exposed;
  std::string path = folder;
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  std::vector<std::string> levels = {path.substr(0, 3)};
  for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1)) {
    levels.push_back(path.substr(0, at));
  }
  if (path.size() > 3) levels.push_back(path);
  for (const std::string& level : levels) {
    if (level.size() > 3 && level.back() == '\\') return FolderGuard::Exposed;  // "a\\b"
    const DWORD attributes = GetFileAttributesA(level.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      return FolderGuard::Exposed;
    }
    if (level.size() > 3 && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
      return FolderGuard::Exposed;
    }
    if (!OnlyTrustedCanChange(level)) return FolderGuard::Exposed;
  }
  return FolderGuard::AdministratorsOnly;
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
