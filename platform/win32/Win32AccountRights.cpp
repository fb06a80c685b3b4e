#include "platform/win32/Win32AccountRights.h"

#include "platform/win32/LsaPolicy.h"

namespace platform::win32 {

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
  return ReadAccountRights(sid.data(), rights);
}

}  // namespace platform::win32
