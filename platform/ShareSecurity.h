// The discretionary access list of a share (object type SE_LMSHARE).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ShareService.h"
#include "platform/Types.h"

namespace platform {

// One EXPLICIT_ACCESS_A entry. The trustee is given either by name or as a textual SID.
struct ExplicitAccess {
  std::uint32_t accessPermissions = 0;
  std::uint32_t accessMode = 0;   // SET_ACCESS = 2
  std::uint32_t inheritance = 0;  // CONTAINER_INHERIT_ACE = 2
  std::uint32_t trusteeForm = 0;  // TRUSTEE_IS_SID = 0, TRUSTEE_IS_NAME = 1
  std::uint32_t trusteeType = 0;  // TRUSTEE_IS_UNKNOWN = 0
  std::string trustee;            // a name, or a SID such as "S-1-1-0"
};

class ShareSecurity {
 public:
  virtual ~ShareSecurity() = default;
  // GetNamedSecurityInfoA(share, SE_LMSHARE, DACL_SECURITY_INFORMATION). `dacl` points into
  // `descriptor`; either may be 0. The descriptor is released with LocalFree.
  virtual std::uint32_t GetShareDacl(const std::string& share, Handle& dacl,
                                     Handle& descriptor) = 0;
  // SetEntriesInAclA with one entry; the new list is released with LocalFree.
  virtual std::uint32_t SetEntriesInAcl(const ExplicitAccess& entry, Handle oldDacl,
                                        Handle& newDacl) = 0;
  // SetNamedSecurityInfoA(share, SE_LMSHARE, DACL_SECURITY_INFORMATION, dacl).
  virtual std::uint32_t SetShareDacl(const std::string& share, Handle dacl) = 0;
  virtual void LocalFree(Handle memory) = 0;
  // GetNamedSecurityInfoA(folder, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION): the entries of
  // the folder's access list; `hasAccessList` false when it has none (everyone may do all).
  virtual std::uint32_t GetFolderAccess(const std::string& folder, bool& hasAccessList,
                                        std::vector<AccessEntry>& entries) = 0;
};

}  // namespace platform
