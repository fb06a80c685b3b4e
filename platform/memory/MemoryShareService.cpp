#include "platform/memory/MemoryShareService.h"

#include <algorithm>
#include <type_traits>

namespace platform::memory {
namespace {

constexpr std::uint32_t kInvalidParameter = 87;
constexpr std::uint32_t kShareNameNotFound = 2310;   // NERR_NetNameNotFound
constexpr std::uint32_t kDuplicateShare = 2118;      // NERR_DuplicateShare
constexpr std::uint32_t kClientNameNotFound = 2312;  // NERR_ClientNameNotFound
constexpr std::uint32_t kFileIdNotFound = 2314;      // NERR_FileIdNotFound
constexpr std::uint32_t kUserNotFound = 2221;        // NERR_UserNotFound

std::u16string Lower(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return text;
}

// Share names are compared without regard to letter case, as the service does.
template <class Shares>
auto FindShare(Shares& shares, const std::u16string& name) {
  return std::find_if(shares.begin(), shares.end(), [&](const ShareRecord& share) {
    return share.netName && Lower(*share.netName) == Lower(name);
  });
}

std::uint32_t PopForced(std::deque<std::uint32_t>& forced, bool& has) {
  has = !forced.empty();
  if (!has) return 0;
  const std::uint32_t result = forced.front();
  forced.pop_front();
  return result;
}

}  // namespace

Handle MemoryShareService::NewBuffer(std::vector<ShareRecord> shareRows,
                                     std::vector<SessionRecord> sessionRows,
                                     std::vector<FileRecord> fileRows) {
  const Handle buffer = ++m_lastBuffer;
  m_fileBuffers[buffer] = std::move(fileRows);
  m_shareBuffers[buffer] = std::move(shareRows);
  m_sessionBuffers[buffer] = std::move(sessionRows);
  liveBuffers.insert(buffer);
  ++buffersHandedOut;
  return buffer;
}

template <class Record>
std::uint32_t MemoryShareService::Enumerate(const std::vector<Record>& all,
                                            std::deque<std::uint32_t>& forced, Handle& buffer,
                                            EnumCounters& counters) {
  bool hasForced = false;
  const std::uint32_t forcedResult = PopForced(forced, hasForced);
  if (hasForced && forcedResult != kSuccess && forcedResult != kErrorMoreData) {
    counters.entriesRead = 0;
    if (bufferWithFailure) buffer = NewBuffer({}, {});
    return forcedResult;
  }
  const std::size_t start = std::min<std::size_t>(counters.resumeHandle, all.size());
  std::size_t count = all.size() - start;
  if (pageSize != 0) count = std::min<std::size_t>(count, pageSize);
  std::vector<Record> rows(all.begin() + static_cast<std::ptrdiff_t>(start),
                           all.begin() + static_cast<std::ptrdiff_t>(start + count));
  if constexpr (std::is_same_v<Record, ShareRecord>) {
    buffer = NewBuffer(std::move(rows), {});
  } else if constexpr (std::is_same_v<Record, SessionRecord>) {
    buffer = NewBuffer({}, std::move(rows));
  } else {
    buffer = NewBuffer({}, {}, std::move(rows));
  }
  counters.entriesRead = static_cast<std::uint32_t>(count);
  counters.totalEntries = static_cast<std::uint32_t>(all.size());
  const bool more = start + count < all.size();
  counters.resumeHandle = more ? static_cast<std::uint32_t>(start + count) : 0;
  return more ? kErrorMoreData : kSuccess;
}

std::uint32_t MemoryShareService::ShareEnum502(Handle& buffer, std::uint32_t prefMaxLen,
                                               EnumCounters& counters) {
  shareEnumPrefMaxLens.push_back(prefMaxLen);
  return Enumerate(shares, shareEnumResults, buffer, counters);
}

std::uint32_t MemoryShareService::SessionEnum10(Handle& buffer, std::uint32_t prefMaxLen,
                                                EnumCounters& counters) {
  sessionEnumPrefMaxLens.push_back(prefMaxLen);
  return Enumerate(sessions, sessionEnumResults, buffer, counters);
}

void MemoryShareService::AppendShareRecords(Handle buffer, std::uint32_t count, ShareTable& table) {
  auto found = m_shareBuffers.find(buffer);
  if (found == m_shareBuffers.end() || liveBuffers.count(buffer) == 0) return;
  const auto& rows = found->second;
  for (std::size_t index = 0; index < count && index < rows.size(); ++index) {
    table.Add(rows[index]);
  }
}

std::vector<SessionRecord> MemoryShareService::SessionRecords(Handle buffer, std::uint32_t count) {
  auto found = m_sessionBuffers.find(buffer);
  if (found == m_sessionBuffers.end() || liveBuffers.count(buffer) == 0) return {};
  const auto& rows = found->second;
  return std::vector<SessionRecord>(rows.begin(),
                                    rows.begin() + std::min<std::size_t>(count, rows.size()));
}

std::uint32_t MemoryShareService::BufferFree(Handle buffer) {
  if (liveBuffers.erase(buffer) == 0) {
    ++badFrees;
    return kInvalidParameter;
  }
  m_shareBuffers.erase(buffer);
  m_sessionBuffers.erase(buffer);
  m_fileBuffers.erase(buffer);
  return kSuccess;
}

std::uint32_t MemoryShareService::ShareDel(const std::u16string& netName) {
  deleted.push_back(netName);
  bool hasForced = false;
  const std::uint32_t forced = PopForced(deleteResults, hasForced);
  if (hasForced) return forced;
  auto found = FindShare(shares, netName);
  if (found == shares.end()) return kShareNameNotFound;
  shares.erase(found);
  return kSuccess;
}

std::uint32_t MemoryShareService::ShareAdd2(const NewShareRecord& record) {
  added.push_back(record);
  bool hasForced = false;
  const std::uint32_t forced = PopForced(addResults, hasForced);
  if (hasForced) return forced;
  if (FindShare(shares, record.netName) != shares.end()) return kDuplicateShare;
  ShareRecord share;
  share.netName = record.netName;
  share.type = record.type;
  share.remark = record.remark;
  share.currentUses = 0;
  share.path = record.path;
  shares.push_back(share);
  return kSuccess;
}

}  // namespace platform::memory

namespace platform::memory {

std::uint32_t MemoryShareService::SessionDel(const std::u16string& client,
                                             const std::u16string& user) {
  sessionsDeleted.emplace_back(client, user);
  bool hasForced = false;
  const std::uint32_t forced = PopForced(sessionDelResults, hasForced);
  if (hasForced) return forced;
  // The service takes the client with or without its leading backslashes.
  auto bare = [](std::u16string name) {
    while (!name.empty() && name.front() == u'\\') name.erase(0, 1);
    return Lower(name);
  };
  const auto before = sessions.size();
  sessions.erase(std::remove_if(sessions.begin(), sessions.end(),
                                [&](const SessionRecord& session) {
                                  return session.clientName &&
                                         bare(*session.clientName) == bare(client) &&
                                         session.userName &&
                                         Lower(*session.userName) == Lower(user);
                                }),
                 sessions.end());
  return sessions.size() < before ? kSuccess : kClientNameNotFound;
}

std::uint32_t MemoryShareService::FileEnum3(Handle& buffer, std::uint32_t prefMaxLen,
                                            EnumCounters& counters) {
  (void)prefMaxLen;
  return Enumerate(files, fileEnumResults, buffer, counters);
}

std::vector<FileRecord> MemoryShareService::FileRecords(Handle buffer, std::uint32_t count) {
  auto found = m_fileBuffers.find(buffer);
  if (found == m_fileBuffers.end() || liveBuffers.count(buffer) == 0) return {};
  const auto& rows = found->second;
  return std::vector<FileRecord>(rows.begin(),
                                 rows.begin() + std::min<std::size_t>(count, rows.size()));
}

std::uint32_t MemoryShareService::FileClose(std::uint32_t id) {
  filesClosed.push_back(id);
  bool hasForced = false;
  const std::uint32_t forced = PopForced(fileCloseResults, hasForced);
  if (hasForced) return forced;
  auto found = std::find_if(files.begin(), files.end(),
                            [&](const FileRecord& file) { return file.id == id; });
  if (found == files.end()) return kFileIdNotFound;
  files.erase(found);
  return kSuccess;
}

std::uint32_t MemoryShareService::ShareGetInfo502(const std::u16string& netName,
                                                  ShareDetails& details) {
  bool hasForced = false;
  const std::uint32_t forced = PopForced(shareInfoResults, hasForced);
  if (hasForced) return forced;
  auto found = FindShare(shares, netName);
  if (found == shares.end()) return kShareNameNotFound;
  details = ShareDetails{};
  details.path = found->path;
  details.type = found->type;
  auto access = shareAccess.find(Lower(netName));
  if (access != shareAccess.end()) {
    details.hasAccessList = true;
    details.entries = access->second;
  }
  return kSuccess;
}

std::uint32_t MemoryShareService::UserFlags(const std::u16string& user, std::uint32_t& flags) {
  auto found = userFlags.find(user);
  if (found == userFlags.end()) return kUserNotFound;
  flags = found->second;
  return kSuccess;
}

}  // namespace platform::memory
