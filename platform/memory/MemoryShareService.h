// In-memory share and session service: the computer's shares and sessions as plain lists, handed
// out in portions when a test asks for it, with every buffer accounted for.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/ShareService.h"

namespace platform::memory {

class MemoryShareService : public ShareService {
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
  std::uint32_t ServerStatistics(ServerCounts& counts) override {
    if (statisticsResult == 0) counts = serverCounts;
    return statisticsResult;
  }

  // The computer's state.
  std::vector<ShareRecord> shares;
  std::vector<SessionRecord> sessions;
  std::vector<FileRecord> files;
  // Share security by lower-case share name; a share without an entry has no access list.
  std::map<std::u16string, std::vector<AccessEntry>> shareAccess;
  // Account flags by user name as given; a missing account answers 2221 (NERR_UserNotFound).
  std::map<std::u16string, std::uint32_t> userFlags;
  // What the Server service counted, and the result of reading it.
  ServerCounts serverCounts;
  std::uint32_t statisticsResult = 0;

  // How many records one call hands out at most (0: all); the rest follow with 234.
  std::uint32_t pageSize = 0;
  // Results forced on the next enumeration calls, in order. A forced failure still hands out a
  // buffer when `bufferWithFailure` is set (a service may do that; the caller must free it).
  std::deque<std::uint32_t> shareEnumResults;
  std::deque<std::uint32_t> sessionEnumResults;
  bool bufferWithFailure = false;
  // Results forced on the next deletions and additions, in order; otherwise they act on `shares`.
  std::deque<std::uint32_t> deleteResults;
  std::deque<std::uint32_t> addResults;
  std::deque<std::uint32_t> sessionDelResults;
  std::deque<std::uint32_t> fileEnumResults;
  std::deque<std::uint32_t> fileCloseResults;
  std::deque<std::uint32_t> shareInfoResults;

  // What the program did.
  std::vector<std::uint32_t> shareEnumPrefMaxLens;
  std::vector<std::uint32_t> sessionEnumPrefMaxLens;
  std::vector<std::u16string> deleted;  // every name handed to ShareDel
  std::vector<NewShareRecord> added;    // every record handed to ShareAdd2
  std::vector<std::pair<std::u16string, std::u16string>> sessionsDeleted;  // client, user
  std::vector<std::uint32_t> filesClosed;
  std::set<Handle> liveBuffers;  // handed out and not yet freed
  int buffersHandedOut = 0;
  int badFrees = 0;  // frees of a buffer that was not live

 private:
  template <class Record>
  std::uint32_t Enumerate(const std::vector<Record>& all, std::deque<std::uint32_t>& forced,
                          Handle& buffer, EnumCounters& counters);
  Handle NewBuffer(std::vector<ShareRecord> shareRows, std::vector<SessionRecord> sessionRows,
                   std::vector<FileRecord> fileRows = {});

  std::map<Handle, std::vector<ShareRecord>> m_shareBuffers;
  std::map<Handle, std::vector<SessionRecord>> m_sessionBuffers;
  std::map<Handle, std::vector<FileRecord>> m_fileBuffers;
  Handle m_lastBuffer = 0x7000;
};

}  // namespace platform::memory
