// In-memory share and session service.
#pragma once

#include "platform/ShareService.h"

namespace platform::memory {

class MemoryShareService : public ShareService {
 public:
  std::uint32_t ShareEnum502(Handle&, std::uint32_t, EnumCounters&) override { return 50; }
  std::vector<ShareRecord> ShareRecords(Handle, std::uint32_t) override { return {}; }
  std::uint32_t SessionEnum10(Handle&, std::uint32_t, EnumCounters&) override { return 50; }
  std::vector<SessionRecord> SessionRecords(Handle, std::uint32_t) override { return {}; }
  std::uint32_t BufferFree(Handle) override { return 0; }
  std::uint32_t ShareDel(const std::u16string&) override { return 50; }
  std::uint32_t ShareAdd2(const NewShareRecord&) override { return 50; }
};

}  // namespace platform::memory
