// The local computer's share and session service through the network-management calls.
#pragma once

#include "platform/ShareService.h"

namespace platform::win32 {

class Win32ShareService : public ShareService {
 public:
  std::uint32_t ShareEnum502(Handle& buffer, std::uint32_t prefMaxLen,
                             EnumCounters& counters) override;
  std::vector<ShareRecord> ShareRecords(Handle buffer, std::uint32_t count) override;
  std::uint32_t SessionEnum10(Handle& buffer, std::uint32_t prefMaxLen,
                              EnumCounters& counters) override;
  std::vector<SessionRecord> SessionRecords(Handle buffer, std::uint32_t count) override;
  std::uint32_t BufferFree(Handle buffer) override;
  std::uint32_t ShareDel(const std::u16string& netName) override;
  std::uint32_t ShareAdd2(const NewShareRecord& record) override;
};

}  // namespace platform::win32
