#include "platform/win32/Win32SecurityLog.h"

#include <memory>

#include "platform/win32/LsaPolicy.h"
#include "platform/win32/OwnedHandle.h"

namespace platform::win32 {
namespace {

struct EventLogCloser {
  void operator()(HANDLE log) const { CloseEventLog(log); }
};
using EventLog = std::unique_ptr<std::remove_pointer_t<HANDLE>, EventLogCloser>;

struct LsaMemoryFree {
  void operator()(void* memory) const { LsaFreeMemory(memory); }
};

// Only holders of the "manage auditing and security log" privilege may read the security log.
// Administrators hold it switched off; it is switched on while the log is read, then back.
class SecurityPrivilege {
 public:
  SecurityPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
      return;
    }
    m_token.reset(token);
    TOKEN_PRIVILEGES wanted = {};
    wanted.PrivilegeCount = 1;
    wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueW(nullptr, L"SeSecurityPrivilege", &wanted.Privileges[0].Luid)) return;
    DWORD size = 0;
    // Succeeds without switching it on when the token lacks it (ERROR_NOT_ALL_ASSIGNED); then
    // opening the log is refused and says so.
    m_switched = AdjustTokenPrivileges(token, FALSE, &wanted, sizeof(m_before), &m_before, &size) &&
                 GetLastError() == ERROR_SUCCESS;
  }
  ~SecurityPrivilege() {
    if (m_switched) AdjustTokenPrivileges(m_token.get(), FALSE, &m_before, 0, nullptr, nullptr);
  }
  SecurityPrivilege(const SecurityPrivilege&) = delete;
  SecurityPrivilege& operator=(const SecurityPrivilege&) = delete;

 private:
  OwnedHandle m_token;
  TOKEN_PRIVILEGES m_before = {};
  bool m_switched = false;
};

// The insertion strings of one record, each ending inside the record; a string that runs past
// its end ends the list there.
std::vector<std::u16string> StringsOf(const EVENTLOGRECORD& record) {
  std::vector<std::u16string> strings;
  const auto* start = reinterpret_cast<const BYTE*>(&record);
  if (record.StringOffset >= record.Length) return strings;
  const auto* unit = reinterpret_cast<const char16_t*>(start + record.StringOffset);
  const auto* end = reinterpret_cast<const char16_t*>(start + record.Length);
  for (WORD index = 0; index < record.NumStrings; ++index) {
    const char16_t* text = unit;
    while (unit < end && *unit != u'\0') ++unit;
    if (unit == end) break;
    strings.emplace_back(text, unit);
    ++unit;
  }
  return strings;
}

}  // namespace

std::uint32_t Win32SecurityLog::LogonFailuresAudited(bool& audited) {
  LsaPolicy policy(POLICY_VIEW_AUDIT_INFORMATION);
  if (!policy.open()) return policy.error();
  void* buffer = nullptr;
  const NTSTATUS status =
      LsaQueryInformationPolicy(policy.get(), PolicyAuditEventsInformation, &buffer);
  const std::unique_ptr<void, LsaMemoryFree> held(buffer);
  if (status != 0) return LsaNtStatusToWinError(status);
  if (buffer == nullptr) return ERROR_INVALID_DATA;
  const auto* info = static_cast<const POLICY_AUDIT_EVENTS_INFO*>(buffer);
  audited = info->AuditingMode && info->EventAuditingOptions != nullptr &&
            info->MaximumAuditEventCount > AuditCategoryLogon &&
            (info->EventAuditingOptions[AuditCategoryLogon] & POLICY_AUDIT_EVENT_FAILURE) != 0;
  return ERROR_SUCCESS;
}

std::uint32_t Win32SecurityLog::NewestAuditFailures(std::uint32_t newest,
                                                    std::vector<AuditFailure>& failures) {
  failures.clear();
  const SecurityPrivilege privilege;
  const EventLog log(OpenEventLogW(nullptr, L"Security"));
  if (!log) return GetLastError();
  // The heap's blocks are aligned for the records; the buffer grows when one does not fit.
  std::vector<char> buffer(0x10000, 0);
  std::uint32_t seen = 0;
  while (seen < newest) {
    DWORD read = 0;
    DWORD needed = 0;
    const DWORD size = static_cast<DWORD>(buffer.size());
    if (!ReadEventLogW(log.get(), EVENTLOG_SEQUENTIAL_READ | EVENTLOG_BACKWARDS_READ, 0,
                       buffer.data(), size, &read, &needed)) {
      const DWORD error = GetLastError();
      if (error == ERROR_HANDLE_EOF) break;
      if (error != ERROR_INSUFFICIENT_BUFFER || needed <= size) return error;
      buffer.assign(needed, 0);
      continue;
    }
    if (read == 0) break;
    const auto* bytes = reinterpret_cast<const BYTE*>(buffer.data());
    for (DWORD offset = 0; offset + sizeof(EVENTLOGRECORD) <= read && seen < newest; ++seen) {
      const auto& record = *reinterpret_cast<const EVENTLOGRECORD*>(bytes + offset);
      if (record.Length < sizeof(EVENTLOGRECORD) || record.Length > read - offset) break;
      if (record.EventType == EVENTLOG_AUDIT_FAILURE) {
        failures.push_back({record.EventID & 0xFFFF, record.TimeGenerated, StringsOf(record)});
      }
      offset += record.Length;
    }
  }
  return ERROR_SUCCESS;
}

}  // namespace platform::win32
