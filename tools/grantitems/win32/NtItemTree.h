// The drives of this computer through handles: children opened with ntdll's NtOpenFile relative
// to their already-open folder and without following reparse points, listings with file ids from
// NtQueryDirectoryFile, access entries added with Get/SetKernelObjectSecurity on the handle
// (which, unlike SetSecurityInfo, does not walk the children by name).
#pragma once

#include <windows.h>

#include "tools/grantitems/ItemTree.h"

namespace grantitems {

class NtItemTree : public ItemTree {
 public:
  // Finds the ntdll calls; false when this system lacks them.
  bool Load();

  SystemError OpenDrive(char16_t letter, Purpose purpose, std::unique_ptr<OpenItem>& root) override;
  SystemError Find(OpenItem& folder, const std::u16string& name, ListedItem& found) override;
  SystemError List(OpenItem& folder, std::vector<ListedItem>& items) override;
  SystemError OpenChild(OpenItem& folder, const std::u16string& name, Purpose purpose,
                        std::unique_ptr<OpenItem>& child) override;
  SystemError Facts(OpenItem& item, ItemFacts& facts) override;
  SystemError AddEntry(OpenItem& item, const myright::Sid& sid, std::uint32_t accessMask,
                       bool inheritable) override;

 private:
  SystemError Query(HANDLE folder, const std::u16string* name, std::vector<ListedItem>& items);

  FARPROC openFile_ = nullptr;
  FARPROC queryDirectory_ = nullptr;
  FARPROC statusToError_ = nullptr;
  std::vector<unsigned char> buffer_;  // for listings
};

}  // namespace grantitems
