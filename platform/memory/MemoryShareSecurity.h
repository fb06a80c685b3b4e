// In-memory share security: each share's access list as a list of explicit entries, with every
// block the calls hand out tracked until it is released.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/ShareSecurity.h"

namespace platform::memory {

struct DaclWrite {
  std::string share;
  std::vector<ExplicitAccess> entries;
};

class MemoryShareSecurity : public ShareSecurity {
 public:
  std::uint32_t GetShareDacl(const std::string& share, Handle& dacl, Handle& descriptor) override;
  std::uint32_t SetEntriesInAcl(const ExplicitAccess& entry, Handle oldDacl,
                                Handle& newDacl) override;
  std::uint32_t SetShareDacl(const std::string& share, Handle dacl) override;
  void LocalFree(Handle memory) override;
  std::uint32_t GetFolderAccess(const std::string& folder, bool& hasAccessList,
                                std::vector<AccessEntry>& entries) override {
    auto found = folderAccess.find(folder);
    if (found == folderAccess.end()) return 2;  // ERROR_FILE_NOT_FOUND
    hasAccessList = true;
    entries = found->second;
    return 0;
  }

  // Each folder's access list by path as the program names it; a missing folder cannot be read.
  std::map<std::string, std::vector<AccessEntry>> folderAccess;

  // The access list of each share, by name (lower case); a share not listed has an empty one.
  std::map<std::string, std::vector<ExplicitAccess>> dacls;
  // Results forced on the next calls of each kind, in order (0 lets the call do its work).
  std::deque<std::uint32_t> getResults;
  std::deque<std::uint32_t> setEntriesResults;
  std::deque<std::uint32_t> setResults;
  // Like Wine: the read succeeds and hands out neither a descriptor nor a list.
  bool readGivesNothing = false;

  // What the program did.
  std::vector<std::string> reads;             // share names read
  std::vector<ExplicitAccess> entriesMerged;  // every entry handed to SetEntriesInAcl
  std::vector<DaclWrite> writes;              // every list written, with its entries
  std::set<Handle> liveAllocations;           // handed out and not yet released
  int allocations = 0;
  int badFrees = 0;  // releases of something not handed out

 private:
  Handle Allocate(std::vector<ExplicitAccess> entries);
  const std::vector<ExplicitAccess>* ListAt(Handle dacl) const;

  std::map<Handle, std::vector<ExplicitAccess>> m_lists;  // descriptor or list -> its entries
  std::map<Handle, Handle> m_daclOfDescriptor;            // a list inside a descriptor
  Handle m_lastHandle = 0x9000;
};

}  // namespace platform::memory
