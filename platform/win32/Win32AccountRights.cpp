#include "platform/win32/Win32AccountRights.h"

#include <memory>

// clang-format off
#include "platform/win32/WindowsApi.h"
#include <ntsecapi.h>
// clang-format on

namespace platform::win32 {
namespace {

constexpr NTSTATUS kObjectNameNotFound = static_cast<NTSTATUS>(0xC0000034L);

struct PolicyClose {
  void operator()(void* policy) const { LsaClose(policy); }
};
struct LsaMemoryFree {
  void operator()(void* memory) const { LsaFreeMemory(memory); }
};

std::string Narrow(const LSA_UNICODE_STRING& text) {
  std::string narrow;
  for (USHORT i = 0; i < text.Length / sizeof(WCHAR); ++i) {
    const WCHAR c = text.Buffer[i];
    narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');  // right names are ASCII
  }
  return narrow;
}

}  // namespace

std::uint32_t Win32AccountRights::Enumerate(const std::string& account,
                                            std::vector<std::string>& rights) {
  std::vector<BYTE> sid(SECURITY_MAX_SID_SIZE);
  DWORD sidSize = static_cast<DWORD>(sid.size());
  char domain[256] = {};
  DWORD domainSize = sizeof(domain);
  SID_NAME_USE use = SidTypeUnknown;
  if (!LookupAccountNameA(nullptr, account.c_str(), sid.data(), &sidSize, domain, &domainSize,
                          &use)) {
    return GetLastError();
  }
  LSA_OBJECT_ATTRIBUTES attributes = {};
  LSA_HANDLE policy = nullptr;
  NTSTATUS status = LsaOpenPolicy(nullptr, &attributes, POLICY_LOOKUP_NAMES, &policy);
  if (status != 0) return LsaNtStatusToWinError(status);
  std::unique_ptr<void, PolicyClose> heldPolicy(policy);
  PLSA_UNICODE_STRING list = nullptr;
  ULONG count = 0;
  status = LsaEnumerateAccountRights(policy, sid.data(), &list, &count);
  std::unique_ptr<void, LsaMemoryFree> heldList(list);
  rights.clear();
  if (status == kObjectNameNotFound) return 0;  // the account holds no right
  if (status != 0) return LsaNtStatusToWinError(status);
  for (ULONG i = 0; i < count; ++i) rights.push_back(Narrow(list[i]));
  return 0;
}

}  // namespace platform::win32
