// The network-management share and session service of the local computer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/AccessEntry.h"
#include "platform/ShareTable.h"
#include "platform/Types.h"

namespace platform {

// The fields of SHARE_INFO_502 the program reads. A missing text is std::nullopt (null pointer).
struct ShareRecord {
  std::optional<std::u16string> netName;
  std::uint32_t type = 0;
  std::optional<std::u16string> remark;
  std::uint32_t currentUses = 0;
  std::optional<std::u16string> path;
};

// SESSION_INFO_10.
struct SessionRecord {
  std::optional<std::u16string> clientName;
  std::optional<std::u16string> userName;
  std::uint32_t activeSeconds = 0;
  std::uint32_t idleSeconds = 0;
};

// FILE_INFO_3: a file another computer holds open. `permissions` has PERM_FILE_READ (1),
// PERM_FILE_WRITE (2) and PERM_FILE_CREATE (4).
struct FileRecord {
  std::uint32_t id = 0;
  std::uint32_t permissions = 0;
  std::uint32_t locks = 0;
  std::optional<std::u16string> path;
  std::optional<std::u16string> userName;
};

// What NetShareGetInfo level 502 tells about one share. `hasAccessList` is false when the share
// has no security descriptor or the descriptor no access list: then everyone has full control.
struct ShareDetails {
  std::optional<std::u16string> path;
  std::uint32_t type = 0;
  bool hasAccessList = false;
  std::vector<AccessEntry> entries;
};

// SHARE_INFO_2 as the program hands it to NetShareAdd.
struct NewShareRecord {
  std::u16string netName;
  std::uint32_t type = 0;
  std::u16string remark;
  std::uint32_t permissions = 0;
  std::uint32_t maxUses = 0;
  std::uint32_t currentUses = 0;
  std::u16string path;
  bool hasPassword = false;
};

// What the Server service counted since it started (STAT_SERVER_0): `started` in seconds since
// 1970, the logons refused for a wrong password, the requests refused for missing rights, and
// the sessions opened.
struct ServerCounts {
  std::uint32_t started = 0;
  std::uint32_t passwordErrors = 0;
  std::uint32_t permissionErrors = 0;
  std::uint32_t sessionsOpened = 0;
};

// Position and counters of an enumeration (entries read, total entries, resume handle).
struct EnumCounters {
  std::uint32_t entriesRead = 0;
  std::uint32_t totalEntries = 0;
  std::uint32_t resumeHandle = 0;
};

class ShareService {
 public:
  virtual ~ShareService() = default;
  // NetShareEnum(local, level 502, &buffer, prefMaxLen, counters). `buffer` stays 0 when the
  // service returns none. Records are read with AppendShareRecords and released with BufferFree.
  virtual std::uint32_t ShareEnum502(Handle& buffer, std::uint32_t prefMaxLen,
                                     EnumCounters& counters) = 0;
  // Puts the buffer's `count` records after those of `table`, in order.
  virtual void AppendShareRecords(Handle buffer, std::uint32_t count, ShareTable& table) = 0;
  // NetSessionEnum(local, no client, no user, level 10, ...).
  virtual std::uint32_t SessionEnum10(Handle& buffer, std::uint32_t prefMaxLen,
                                      EnumCounters& counters) = 0;
  virtual std::vector<SessionRecord> SessionRecords(Handle buffer, std::uint32_t count) = 0;
  // NetApiBufferFree.
  virtual std::uint32_t BufferFree(Handle buffer) = 0;
  // NetShareDel(local, name, 0).
  virtual std::uint32_t ShareDel(const std::u16string& netName) = 0;
  // NetShareAdd(local, level 2, record, &parmErr).
  virtual std::uint32_t ShareAdd2(const NewShareRecord& record) = 0;
  // NetSessionDel(local, client, user): ends that computer's session of that user; an empty
  // user is passed as none, which ends every session of that computer.
  virtual std::uint32_t SessionDel(const std::u16string& client, const std::u16string& user) = 0;
  // NetFileEnum(local, no base path, no user, level 3, ...), read like the other lists.
  virtual std::uint32_t FileEnum3(Handle& buffer, std::uint32_t prefMaxLen,
                                  EnumCounters& counters) = 0;
  virtual std::vector<FileRecord> FileRecords(Handle buffer, std::uint32_t count) = 0;
  // NetFileClose(local, id).
  virtual std::uint32_t FileClose(std::uint32_t id) = 0;
  // NetShareGetInfo(local, name, 502), its buffer released before the call returns.
  virtual std::uint32_t ShareGetInfo502(const std::u16string& netName, ShareDetails& details) = 0;
  // NetUserGetInfo(local, user, 1): the account's flags (UF_ACCOUNTDISABLE = 2).
  virtual std::uint32_t UserFlags(const std::u16string& user, std::uint32_t& flags) = 0;
  // NetStatisticsGet(local, "LanmanServer", level 0, 0), its buffer released before the call
  // returns.
  virtual std::uint32_t ServerStatistics(ServerCounts& counts) = 0;
};

}  // namespace platform
