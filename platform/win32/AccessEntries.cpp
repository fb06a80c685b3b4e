#include "platform/win32/AccessEntries.h"

#include <sddl.h>

namespace platform::win32 {

bool ReadAccessEntries(PACL acl, std::vector<AccessEntry>& entries) {
  for (DWORD index = 0; index < acl->AceCount; ++index) {
    void* ace = nullptr;
    if (!GetAce(acl, index, &ace)) return false;
    const auto* header = static_cast<const ACE_HEADER*>(ace);
    if (header->AceType != ACCESS_ALLOWED_ACE_TYPE && header->AceType != ACCESS_DENIED_ACE_TYPE) {
      continue;
    }
    // Allowed and denied entries share one layout.
    const auto* entry = static_cast<const ACCESS_ALLOWED_ACE*>(ace);
    char* text = nullptr;
    if (!ConvertSidToStringSidA(const_cast<DWORD*>(&entry->SidStart), &text)) continue;
    AccessEntry record;
    record.sid = text;
    LocalFree(text);
    record.allowed = header->AceType == ACCESS_ALLOWED_ACE_TYPE;
    record.mask = entry->Mask;
    record.flags = header->AceFlags;
    entries.push_back(record);
  }
  return true;
}

}  // namespace platform::win32
