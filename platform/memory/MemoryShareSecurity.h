// In-memory share security.
#pragma once

#include "platform/ShareSecurity.h"

namespace platform::memory {

class MemoryShareSecurity : public ShareSecurity {
 public:
  std::uint32_t GetShareDacl(const std::string&, Handle&, Handle&) override { return 50; }
  std::uint32_t SetEntriesInAcl(const ExplicitAccess&, Handle, Handle&) override { return 50; }
  std::uint32_t SetShareDacl(const std::string&, Handle) override { return 50; }
  void LocalFree(Handle) override {}
};

}  // namespace platform::memory
