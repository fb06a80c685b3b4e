#include "platform/win32/Win32Accounts.h"

// clang-format off
#include "platform/win32/WindowsApi.h"
#include <aclapi.h>
#include <lm.h>
#include <ntsecapi.h>
#include <sddl.h>
// clang-format on

#include <vector>

#include "platform/win32/AccessEntries.h"
#include "platform/win32/LsaPolicy.h"
#include "platform/win32/SystemLibraries.h"

namespace platform::win32 {
namespace {

constexpr DWORD kGuestRid = 501;

// Memory the security calls hand out with LocalAlloc.
class LocalMemory {
 public:
  LocalMemory() = default;
  ~LocalMemory() {
    if (m_memory != nullptr) LocalFree(m_memory);
  }
  LocalMemory(const LocalMemory&) = delete;
  LocalMemory& operator=(const LocalMemory&) = delete;
  HLOCAL* out() { return &m_memory; }
  template <class T>
  T as() const {
    return reinterpret_cast<T>(m_memory);
  }

 private:
  HLOCAL m_memory = nullptr;
};

std::string SidText(PSID sid) {
  LocalMemory text;
  char* pointer = nullptr;
  if (!ConvertSidToStringSidA(sid, &pointer)) return {};
  *text.out() = pointer;
  return pointer;
}

// The guest account's SID text: this computer's account domain with relative identifier 501.
DWORD GuestSid(std::string& sid) {
  LsaPolicy policy(POLICY_VIEW_LOCAL_INFORMATION);
  if (!policy.open()) return policy.error();
  void* information = nullptr;
  const NTSTATUS status =
      LsaQueryInformationPolicy(policy.get(), PolicyAccountDomainInformation, &information);
  if (status != 0) return LsaNtStatusToWinError(status);
  auto* domain = static_cast<POLICY_ACCOUNT_DOMAIN_INFO*>(information);
  const std::string domainSid = domain->DomainSid != nullptr ? SidText(domain->DomainSid) : "";
  LsaFreeMemory(information);
  if (domainSid.empty()) return ERROR_NO_SUCH_DOMAIN;
  sid = domainSid + "-" + std::to_string(kGuestRid);
  return ERROR_SUCCESS;
}

DWORD ReadAccessList(const std::u16string& name, SE_OBJECT_TYPE type, AccessList& list) {
  PACL dacl = nullptr;
  LocalMemory descriptor;
  PSECURITY_DESCRIPTOR pointer = nullptr;
  std::vector<wchar_t> object(name.begin(), name.end());
  object.push_back(L'\0');
  const DWORD result = GetNamedSecurityInfoW(object.data(), type, DACL_SECURITY_INFORMATION,
                                             nullptr, nullptr, &dacl, nullptr, &pointer);
  *descriptor.out() = pointer;
  if (result != ERROR_SUCCESS) return result;
  // An answer without a descriptor tells nothing (Wine gives one for shares).
  if (pointer == nullptr) return ERROR_INVALID_DATA;
  list = AccessList{};
  if (dacl == nullptr) {
    list.present = false;
    return ERROR_SUCCESS;
  }
  return ReadAccessEntries(dacl, list.entries) ? ERROR_SUCCESS : GetLastError();
}

}  // namespace

std::uint32_t Win32Accounts::GuestAccount(std::string& sid, bool& enabled) {
  DWORD result = GuestSid(sid);
  if (result != ERROR_SUCCESS) return result;
  // Its name differs from language to language; the identifier does not.
  LocalMemory binary;
  PSID pointer = nullptr;
  if (!ConvertStringSidToSidA(sid.c_str(), &pointer)) return GetLastError();
  *binary.out() = pointer;
  wchar_t name[256] = {};
  wchar_t domain[256] = {};
  DWORD nameLength = 256;
  DWORD domainLength = 256;
  SID_NAME_USE use;
  if (!LookupAccountSidW(nullptr, pointer, name, &nameLength, domain, &domainLength, &use)) {
    return GetLastError();
  }
  const auto getInfo = SystemCall<decltype(&::NetUserGetInfo)>("netapi32.dll", "NetUserGetInfo");
  const auto freeBuffer =
      SystemCall<decltype(&::NetApiBufferFree)>("netapi32.dll", "NetApiBufferFree");
  result = ERROR_PROC_NOT_FOUND;
  if (getInfo != nullptr && freeBuffer != nullptr) {
    LPBYTE buffer = nullptr;
    result = getInfo(nullptr, name, 1, &buffer);
    if (result == ERROR_SUCCESS && buffer != nullptr) {
      enabled = (reinterpret_cast<USER_INFO_1*>(buffer)->usri1_flags & UF_ACCOUNTDISABLE) == 0;
    } else if (result == ERROR_SUCCESS) {
      result = ERROR_INVALID_DATA;
    }
    if (buffer != nullptr) freeBuffer(buffer);
  }
  return result;
}

std::uint32_t Win32Accounts::AccountRights(const std::string& sid,
                                           std::vector<std::string>& rights) {
  rights.clear();
  LocalMemory binary;
  PSID pointer = nullptr;
  if (!ConvertStringSidToSidA(sid.c_str(), &pointer)) return GetLastError();
  *binary.out() = pointer;
  return ReadAccountRights(pointer, rights);
}

std::uint32_t Win32Accounts::CurrentUser(std::string& sid) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return GetLastError();
  DWORD needed = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &needed);
  std::vector<BYTE> buffer(needed > 0 ? needed : 1);
  DWORD result = ERROR_SUCCESS;
  if (!GetTokenInformation(token, TokenUser, buffer.data(), needed, &needed)) {
    result = GetLastError();
  } else {
    sid = SidText(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid);
    if (sid.empty()) result = ERROR_INVALID_SID;
  }
  CloseHandle(token);
  return result;
}

std::uint32_t Win32Accounts::ShareAccess(const std::u16string& share, AccessList& list) {
  return ReadAccessList(share, SE_LMSHARE, list);
}

std::uint32_t Win32Accounts::FileAccess(const std::u16string& path, AccessList& list) {
  return ReadAccessList(path, SE_FILE_OBJECT, list);
}

}  // namespace platform::win32
