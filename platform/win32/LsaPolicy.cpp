#include "platform/win32/LsaPolicy.h"

#include <memory>

namespace platform::win32 {
namespace {

constexpr NTSTATUS kObjectNameNotFound = static_cast<NTSTATUS>(0xC0000034L);

struct LsaMemoryFree {
  void operator()(void* memory) const { LsaFreeMemory(memory); }
};

}  // namespace

LsaPolicy::LsaPolicy(ACCESS_MASK access) {
  LSA_OBJECT_ATTRIBUTES attributes;
  ZeroMemory(&attributes, sizeof(attributes));
  m_status = LsaOpenPolicy(nullptr, &attributes, access, &m_handle);
}

LsaPolicy::~LsaPolicy() {
  if (m_status == 0) LsaClose(m_handle);
}

std::uint32_t ReadAccountRights(PSID account, std::vector<std::string>& rights) {
  rights.clear();
  LsaPolicy policy(POLICY_LOOKUP_NAMES);
  if (!policy.open()) return policy.error();
  LSA_UNICODE_STRING* list = nullptr;
  ULONG count = 0;
  const NTSTATUS status = LsaEnumerateAccountRights(policy.get(), account, &list, &count);
  const std::unique_ptr<void, LsaMemoryFree> held(list);
  if (status == kObjectNameNotFound) return ERROR_SUCCESS;
  if (status != 0) return LsaNtStatusToWinError(status);
  for (ULONG index = 0; index < count; ++index) {
    std::string right;
    for (USHORT unit = 0; unit < list[index].Length / sizeof(WCHAR); ++unit) {
      // Right names are plain ASCII ("SeNetworkLogonRight"); anything else cannot match one.
      const WCHAR c = list[index].Buffer[unit];
      right.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    rights.push_back(right);
  }
  return ERROR_SUCCESS;
}

}  // namespace platform::win32
