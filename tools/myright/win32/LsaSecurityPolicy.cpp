#include "tools/myright/win32/LsaSecurityPolicy.h"

namespace myright {

namespace {

// The policy holds no entry for the account, so there is no right to revoke.
constexpr NTSTATUS kStatusObjectNameNotFound = static_cast<NTSTATUS>(0xC0000034L);

// Room for a right's name in UTF-16: the longest privilege name has a few dozen characters.
constexpr int kRightRoom = 256;

// A domain name as LookupAccountNameA hands it back: NetBIOS or DNS, at most 255 characters.
constexpr DWORD kDomainRoom = 256;

// Frees what the policy functions hand out.
class LsaMemory {
 public:
  LsaMemory() = default;
  ~LsaMemory() {
    if (buffer_ != nullptr) LsaFreeMemory(buffer_);
  }
  LsaMemory(const LsaMemory&) = delete;
  LsaMemory& operator=(const LsaMemory&) = delete;
  void** Receive() { return &buffer_; }
  void* get() const { return buffer_; }

 private:
  void* buffer_ = nullptr;
};

SystemError FromStatus(NTSTATUS status) { return status == 0 ? 0 : LsaNtStatusToWinError(status); }

// The right's name in UTF-16 in `text`, which `name` points to.
SystemError ToLsaString(const char* right, WCHAR (&text)[kRightRoom], LSA_UNICODE_STRING& name) {
  const int length = MultiByteToWideChar(CP_ACP, 0, right, -1, text, kRightRoom);
  if (length <= 0) {
    const DWORD error = GetLastError();
    return error == ERROR_INSUFFICIENT_BUFFER ? ERROR_INVALID_PARAMETER : error;
  }
  const std::size_t bytes = static_cast<std::size_t>(length - 1) * sizeof(WCHAR);
  name.Buffer = text;
  name.Length = static_cast<USHORT>(bytes);  // the terminator is not counted
  name.MaximumLength = static_cast<USHORT>(bytes + sizeof(WCHAR));
  return 0;
}

PSID AsPsid(const Sid& sid) { return const_cast<std::uint8_t*>(sid.data()); }

}  // namespace

LsaPolicyHandle::~LsaPolicyHandle() {
  if (handle_ != nullptr) LsaClose(handle_);
}

LSA_HANDLE* LsaPolicyHandle::Reset() {
  if (handle_ != nullptr) LsaClose(handle_);
  handle_ = nullptr;
  return &handle_;
}

SystemError LsaSecurityPolicy::Open() {
  LSA_OBJECT_ATTRIBUTES attributes;
  ZeroMemory(&attributes, sizeof attributes);
  // Viewing local information is what reading the account domain for the guest fallback needs.
  const ACCESS_MASK access =
      POLICY_LOOKUP_NAMES | POLICY_CREATE_ACCOUNT | POLICY_VIEW_LOCAL_INFORMATION;
  return FromStatus(LsaOpenPolicy(nullptr, &attributes, access, policy_.Reset()));
}

SystemError LsaSecurityPolicy::LookupAccount(const char* name, Sid& sid) {
  BYTE buffer[SECURITY_MAX_SID_SIZE];
  DWORD sidSize = sizeof buffer;
  char domain[kDomainRoom];
  DWORD domainSize = kDomainRoom;
  SID_NAME_USE use;
  if (!LookupAccountNameA(nullptr, name, buffer, &sidSize, domain, &domainSize, &use)) {
    return GetLastError();
  }
  if (!IsValidSid(buffer) || !sid.assign(buffer, GetLengthSid(buffer))) return ERROR_INVALID_SID;
  return 0;
}

SystemError LsaSecurityPolicy::QueryAccountDomainSid(Sid& sid) {
  LsaMemory raw;
  const NTSTATUS status =
      LsaQueryInformationPolicy(policy_.get(), PolicyAccountDomainInformation, raw.Receive());
  if (status != 0) return FromStatus(status);
  const auto* info = static_cast<const POLICY_ACCOUNT_DOMAIN_INFO*>(raw.get());
  if (info == nullptr || info->DomainSid == nullptr || !IsValidSid(info->DomainSid)) {
    return ERROR_NO_SUCH_DOMAIN;
  }
  const auto* bytes = static_cast<const std::uint8_t*>(info->DomainSid);
  if (!sid.assign(bytes, GetLengthSid(info->DomainSid))) return ERROR_INVALID_SID;
  return 0;
}

SystemError LsaSecurityPolicy::AddRight(const Sid& sid, const char* right) {
  WCHAR text[kRightRoom];
  LSA_UNICODE_STRING name;
  if (const SystemError error = ToLsaString(right, text, name)) return error;
  return FromStatus(LsaAddAccountRights(policy_.get(), AsPsid(sid), &name, 1));
}

SystemError LsaSecurityPolicy::RemoveRight(const Sid& sid, const char* right) {
  WCHAR text[kRightRoom];
  LSA_UNICODE_STRING name;
  if (const SystemError error = ToLsaString(right, text, name)) return error;
  const NTSTATUS status = LsaRemoveAccountRights(policy_.get(), AsPsid(sid), FALSE, &name, 1);
  if (status == kStatusObjectNameNotFound) return 0;
  return FromStatus(status);
}

}  // namespace myright
