// A share's access list through the named-object security calls (object type SE_LMSHARE).
#pragma once

#include "platform/ShareSecurity.h"

namespace platform::win32 {

class Win32ShareSecurity : public ShareSecurity {
 public:
  std::uint32_t GetShareDacl(const std::string& share, Handle& dacl, Handle& descriptor) override;
  std::uint32_t SetEntriesInAcl(const ExplicitAccess& entry, Handle oldDacl,
                                Handle& newDacl) override;
  std::uint32_t SetShareDacl(const std::string& share, Handle dacl) override;
  void LocalFree(Handle memory) override;
  std::uint32_t GetFolderAccess(const std::string& folder, bool& hasAccessList,
                                std::vector<AccessEntry>& entries) override;
};

}  // namespace platform::win32
