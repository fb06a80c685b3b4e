// The local computer's share and session service through the network-management calls.
#pragma once

#include "platform/ShareService.h"

namespace platform::win32 {

class Win32ShareService : public ShareService {
 public:
  std::uint32_t ShareEnum502(Handle& buffer, std::uint32_t prefMaxLen,
                             EnumCounters& counters) override;
  void AppendShareRecords(Handle buffer, std::uint32_t count, ShareTable& table) override;
  std::uint32_t SessionEnum10(Handle& buffer, std::uint32_t prefMaxLen,
                              EnumCounters& counters) override;
  std::vector<SessionRecord> SessionRecords(Handle buffer, std::uint32_t count) override;
  std::uint32_t BufferFree(Handle buffer) override;
  std::uint32_t ShareDel(const std::u16string& netName) override;
  std::uint32_t ShareAdd2(const NewShareRecord& record) override;
  std::uint32_t SessionDel(const std::u16string& client, const std::u16string& user) override;
  std::uint32_t FileEnum3(Handle& buffer, std::uint32_t prefMaxLen,
                          EnumCounters& counters) override;
  std::vector<FileRecord> FileRecords(Handle buffer, std::uint32_t count) override;
  std::uint32_t FileClose(std::uint32_t id) override;
  std::uint32_t ShareGetInfo502(const std::u16string& netName, ShareDetails& details) override;
  std::uint32_t UserFlags(const std::u16string& user, std::uint32_t& flags) override;
  std::uint32_t ServerStatistics(ServerCounts& counts) override;
};

}  // namespace platform::win32
