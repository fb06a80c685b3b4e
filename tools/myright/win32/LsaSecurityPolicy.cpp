#include "tools/myright/win32/LsaSecurityPolicy.h"

#include <memory>
#include <vector>

namespace myright {

namespace {

// The policy holds no entry for the account, so there is no right to revoke.
constexpr NTSTATUS kStatusObjectNameNotFound = static_cast<NTSTATUS>(0xC0000034L);

struct LsaMemoryFree {
  void operator()(void* buffer) const { LsaFreeMemory(buffer); }
};
template <typename T>
using LsaMemory = std::unique_ptr<T, LsaMemoryFree>;

SystemError FromStatus(NTSTATUS status) { return status == 0 ? 0 : LsaNtStatusToWinError(status); }

// The right's name in UTF-16; `text` owns the characters that `name` points to.
SystemError ToLsaString(const std::string& right, std::wstring& text, LSA_UNICODE_STRING& name) {
  const int length = MultiByteToWideChar(CP_ACP, 0, right.c_str(), -1, nullptr, 0);
  if (length <= 0) return GetLastError();
  text.assign(static_cast<std::size_t>(length), L'\0');
  if (MultiByteToWideChar(CP_ACP, 0, right.c_str(), -1, &text[0], length) != length) {
    return GetLastError();
  }
  text.resize(static_cast<std::size_t>(length - 1));  // the terminator is not counted
  const std::size_t bytes = text.size() * sizeof(WCHAR);
  if (bytes + sizeof(WCHAR) > 0xFFFF) return ERROR_INVALID_PARAMETER;
  name.Buffer = &text[0];
  name.Length = static_cast<USHORT>(bytes);
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

SystemError LsaSecurityPolicy::LookupAccount(const std::string& name, Sid& sid) {
  DWORD sidSize = 0;
  DWORD domainSize = 0;
  SID_NAME_USE use;
  if (LookupAccountNameA(nullptr, name.c_str(), nullptr, &sidSize, nullptr, &domainSize, &use)) {
    return ERROR_NONE_MAPPED;  // no name resolves without room for its identifier
  }
  const DWORD sizeError = GetLastError();
  if (sizeError != ERROR_INSUFFICIENT_BUFFER) return sizeError;
  std::vector<std::uint8_t> buffer(sidSize);
  std::vector<char> domain(domainSize + 1u);
  domainSize = static_cast<DWORD>(domain.size());
  if (!LookupAccountNameA(nullptr, name.c_str(), buffer.data(), &sidSize, domain.data(),
                          &domainSize, &use)) {
    return GetLastError();
  }
  if (!IsValidSid(buffer.data())) return ERROR_INVALID_SID;
  buffer.resize(GetLengthSid(buffer.data()));
  sid = buffer;
  return 0;
}

SystemError LsaSecurityPolicy::QueryAccountDomainSid(Sid& sid) {
  void* raw = nullptr;
  const NTSTATUS status =
      LsaQueryInformationPolicy(policy_.get(), PolicyAccountDomainInformation, &raw);
  LsaMemory<POLICY_ACCOUNT_DOMAIN_INFO> info(static_cast<POLICY_ACCOUNT_DOMAIN_INFO*>(raw));
  if (status != 0) return FromStatus(status);
  if (!info || info->DomainSid == nullptr || !IsValidSid(info->DomainSid)) {
    return ERROR_NO_SUCH_DOMAIN;
  }
  const auto* bytes = static_cast<const std::uint8_t*>(info->DomainSid);
  sid.assign(bytes, bytes + GetLengthSid(info->DomainSid));
  return 0;
}

SystemError LsaSecurityPolicy::AddRight(const Sid& sid, const std::string& right) {
  std::wstring text;
  LSA_UNICODE_STRING name;
  if (const SystemError error = ToLsaString(right, text, name)) return error;
  return FromStatus(LsaAddAccountRights(policy_.get(), AsPsid(sid), &name, 1));
}

SystemError LsaSecurityPolicy::RemoveRight(const Sid& sid, const std::string& right) {
  std::wstring text;
  LSA_UNICODE_STRING name;
  if (const SystemError error = ToLsaString(right, text, name)) return error;
  const NTSTATUS status = LsaRemoveAccountRights(policy_.get(), AsPsid(sid), FALSE, &name, 1);
  if (status == kStatusObjectNameNotFound) return 0;
  return FromStatus(status);
}

}  // namespace myright
