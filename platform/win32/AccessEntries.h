// An access list's allowed and denied entries as Plinvo reads them: the account as SID text, the
// rights, and the entry's inheritance flags.
#pragma once

#include <vector>

#include "platform/AccessEntry.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

// Appends the entries of `acl` to `entries`; entries of other kinds (audit, object) and entries
// whose SID cannot be written as text are left out. False when the list cannot be read to its
// end (GetLastError tells why); the entries read until then stay.
bool ReadAccessEntries(PACL acl, std::vector<AccessEntry>& entries);

}  // namespace platform::win32
