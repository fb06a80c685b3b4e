#include "platform/win32/Win32ShareService.h"

#include <memory>

// clang-format off
#include "platform/win32/WindowsApi.h"
#include <lm.h>
#include <sddl.h>
// clang-format on

#include "platform/win32/AccessEntries.h"
#include "platform/win32/SystemLibraries.h"

namespace platform::win32 {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the service's texts are UTF-16");

std::optional<std::u16string> TextAt(const wchar_t* text) {
  if (text == nullptr) return std::nullopt;
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

// A writable, terminated copy: the calls take non-const pointers.
std::vector<wchar_t> Terminated(const std::u16string& text) {
  std::vector<wchar_t> copy(text.begin(), text.end());
  copy.push_back(L'\0');
  return copy;
}

// The share service's calls, from the system folder's netapi32.dll; null when it is missing.
template <class Function>
Function ServiceCall(const char* name) {
  return SystemCall<Function>("netapi32.dll", name);
}

struct NetBufferFree {
  void operator()(void* buffer) const {
    const auto bufferFree = ServiceCall<decltype(&::NetApiBufferFree)>("NetApiBufferFree");
    if (bufferFree != nullptr) bufferFree(buffer);
  }
};
using NetBuffer = std::unique_ptr<void, NetBufferFree>;

}  // namespace

std::uint32_t Win32ShareService::ShareEnum502(Handle& buffer, std::uint32_t prefMaxLen,
                                              EnumCounters& counters) {
  LPBYTE out = nullptr;
  DWORD read = counters.entriesRead;
  DWORD total = counters.totalEntries;
  DWORD resume = counters.resumeHandle;
  const auto shareEnum = ServiceCall<decltype(&::NetShareEnum)>("NetShareEnum");
  if (shareEnum == nullptr) return ERROR_PROC_NOT_FOUND;
  const NET_API_STATUS status = shareEnum(nullptr, 502, &out, prefMaxLen, &read, &total, &resume);
  buffer = reinterpret_cast<Handle>(out);
  counters = {read, total, resume};
  return status;
}

void Win32ShareService::AppendShareRecords(Handle buffer, std::uint32_t count, ShareTable& table) {
  if (buffer == 0) return;
  const auto* info = reinterpret_cast<const SHARE_INFO_502*>(buffer);
  const auto text = [](const wchar_t* units) { return reinterpret_cast<const char16_t*>(units); };
  for (std::uint32_t i = 0; i < count; ++i) {
    table.Add(text(info[i].shi502_netname), info[i].shi502_type, text(info[i].shi502_remark),
              info[i].shi502_current_uses, text(info[i].shi502_path));
  }
}

std::uint32_t Win32ShareService::SessionEnum10(Handle& buffer, std::uint32_t prefMaxLen,
                                               EnumCounters& counters) {
  LPBYTE out = nullptr;
  DWORD read = counters.entriesRead;
  DWORD total = counters.totalEntries;
  DWORD resume = counters.resumeHandle;
  const auto sessionEnum = ServiceCall<decltype(&::NetSessionEnum)>("NetSessionEnum");
  if (sessionEnum == nullptr) return ERROR_PROC_NOT_FOUND;
  const NET_API_STATUS status =
      sessionEnum(nullptr, nullptr, nullptr, 10, &out, prefMaxLen, &read, &total, &resume);
  buffer = reinterpret_cast<Handle>(out);
  counters = {read, total, resume};
  return status;
}

std::vector<SessionRecord> Win32ShareService::SessionRecords(Handle buffer, std::uint32_t count) {
  std::vector<SessionRecord> records;
  if (buffer == 0) return records;
  const auto* info = reinterpret_cast<const SESSION_INFO_10*>(buffer);
  records.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    SessionRecord record;
    record.clientName = TextAt(info[i].sesi10_cname);
    record.userName = TextAt(info[i].sesi10_username);
    record.activeSeconds = info[i].sesi10_time;
    record.idleSeconds = info[i].sesi10_idle_time;
    records.push_back(std::move(record));
  }
  return records;
}

std::uint32_t Win32ShareService::BufferFree(Handle buffer) {
  const auto bufferFree = ServiceCall<decltype(&::NetApiBufferFree)>("NetApiBufferFree");
  if (bufferFree == nullptr) return ERROR_PROC_NOT_FOUND;
  return bufferFree(reinterpret_cast<LPVOID>(buffer));
}

std::uint32_t Win32ShareService::ShareDel(const std::u16string& netName) {
  const auto shareDel = ServiceCall<decltype(&::NetShareDel)>("NetShareDel");
  if (shareDel == nullptr) return ERROR_PROC_NOT_FOUND;
  std::vector<wchar_t> name = Terminated(netName);
  return shareDel(nullptr, name.data(), 0);
}

std::uint32_t Win32ShareService::ShareAdd2(const NewShareRecord& record) {
  const auto shareAdd = ServiceCall<decltype(&::NetShareAdd)>("NetShareAdd");
  if (shareAdd == nullptr) return ERROR_PROC_NOT_FOUND;
  std::vector<wchar_t> name = Terminated(record.netName);
  std::vector<wchar_t> remark = Terminated(record.remark);
  std::vector<wchar_t> path = Terminated(record.path);
  SHARE_INFO_2 info = {};
  info.shi2_netname = name.data();
  info.shi2_type = record.type;
  info.shi2_remark = remark.data();
  info.shi2_permissions = record.permissions;
  info.shi2_max_uses = record.maxUses;
  info.shi2_current_uses = record.currentUses;
  info.shi2_path = path.data();
  info.shi2_passwd = nullptr;
  DWORD faultyParameter = 0;
  return shareAdd(nullptr, 2, reinterpret_cast<LPBYTE>(&info), &faultyParameter);
}

std::uint32_t Win32ShareService::SessionDel(const std::u16string& client,
                                            const std::u16string& user) {
  const auto sessionDel = ServiceCall<decltype(&::NetSessionDel)>("NetSessionDel");
  if (sessionDel == nullptr) return ERROR_PROC_NOT_FOUND;
  std::vector<wchar_t> clientName = Terminated(client);
  std::vector<wchar_t> userName = Terminated(user);
  // A session without a user name is named by its computer alone.
  return sessionDel(nullptr, clientName.data(), user.empty() ? nullptr : userName.data());
}

std::uint32_t Win32ShareService::FileEnum3(Handle& buffer, std::uint32_t prefMaxLen,
                                           EnumCounters& counters) {
  LPBYTE out = nullptr;
  DWORD read = counters.entriesRead;
  DWORD total = counters.totalEntries;
  DWORD_PTR resume = counters.resumeHandle;
  const auto fileEnum = ServiceCall<decltype(&::NetFileEnum)>("NetFileEnum");
  if (fileEnum == nullptr) return ERROR_PROC_NOT_FOUND;
  const NET_API_STATUS status =
      fileEnum(nullptr, nullptr, nullptr, 3, &out, prefMaxLen, &read, &total, &resume);
  buffer = reinterpret_cast<Handle>(out);
  counters = {read, total, static_cast<std::uint32_t>(resume)};
  return status;
}

std::vector<FileRecord> Win32ShareService::FileRecords(Handle buffer, std::uint32_t count) {
  std::vector<FileRecord> records;
  if (buffer == 0) return records;
  const auto* info = reinterpret_cast<const FILE_INFO_3*>(buffer);
  records.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    FileRecord record;
    record.id = info[i].fi3_id;
    record.permissions = info[i].fi3_permissions;
    record.locks = info[i].fi3_num_locks;
    record.path = TextAt(info[i].fi3_pathname);
    record.userName = TextAt(info[i].fi3_username);
    records.push_back(std::move(record));
  }
  return records;
}

std::uint32_t Win32ShareService::FileClose(std::uint32_t id) {
  const auto fileClose = ServiceCall<decltype(&::NetFileClose)>("NetFileClose");
  if (fileClose == nullptr) return ERROR_PROC_NOT_FOUND;
  return fileClose(nullptr, id);
}

std::uint32_t Win32ShareService::ShareGetInfo502(const std::u16string& netName,
                                                 ShareDetails& details) {
  const auto shareGetInfo = ServiceCall<decltype(&::NetShareGetInfo)>("NetShareGetInfo");
  if (shareGetInfo == nullptr) return ERROR_PROC_NOT_FOUND;
  std::vector<wchar_t> name = Terminated(netName);
  LPBYTE out = nullptr;
  const NET_API_STATUS status = shareGetInfo(nullptr, name.data(), 502, &out);
  NetBuffer held(out);
  if (status != NERR_Success) return status;
  if (out == nullptr) return ERROR_INVALID_DATA;
  const auto* info = reinterpret_cast<const SHARE_INFO_502*>(out);
  details = ShareDetails{};
  details.path = TextAt(info->shi502_path);
  details.type = info->shi502_type;
  PSECURITY_DESCRIPTOR descriptor = info->shi502_security_descriptor;
  if (descriptor != nullptr && IsValidSecurityDescriptor(descriptor)) {
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL acl = nullptr;
    if (GetSecurityDescriptorDacl(descriptor, &present, &acl, &defaulted) && present &&
        acl != nullptr) {
      details.hasAccessList = true;
      // A list that cannot be read to its end is shown as far as it was read.
      ReadAccessEntries(acl, details.entries);
    }
  }
  return NERR_Success;
}

std::uint32_t Win32ShareService::UserFlags(const std::u16string& user, std::uint32_t& flags) {
  const auto userGetInfo = ServiceCall<decltype(&::NetUserGetInfo)>("NetUserGetInfo");
  if (userGetInfo == nullptr) return ERROR_PROC_NOT_FOUND;
  std::vector<wchar_t> name = Terminated(user);
  LPBYTE out = nullptr;
  const NET_API_STATUS status = userGetInfo(nullptr, name.data(), 1, &out);
  NetBuffer held(out);
  if (status != NERR_Success) return status;
  if (out == nullptr) return ERROR_INVALID_DATA;
  flags = reinterpret_cast<const USER_INFO_1*>(out)->usri1_flags;
  return NERR_Success;
}

std::uint32_t Win32ShareService::ServerStatistics(ServerCounts& counts) {
  const auto statisticsGet = ServiceCall<decltype(&::NetStatisticsGet)>("NetStatisticsGet");
  if (statisticsGet == nullptr) return ERROR_PROC_NOT_FOUND;
  wchar_t service[] = L"LanmanServer";
  LPBYTE out = nullptr;
  const NET_API_STATUS status = statisticsGet(nullptr, service, 0, 0, &out);
  NetBuffer held(out);
  if (status != NERR_Success) return status;
  if (out == nullptr) return ERROR_INVALID_DATA;
  const auto* info = reinterpret_cast<const STAT_SERVER_0*>(out);
  counts = {info->sts0_start, info->sts0_pwerrors, info->sts0_permerrors, info->sts0_sopens};
  return NERR_Success;
}

}  // namespace platform::win32
