#include "platform/win32/Win32NetworkAdapters.h"

// clang-format off
#include "platform/win32/WindowsApi.h"
#include <iphlpapi.h>
// clang-format on

#include <vector>

#include "platform/win32/SystemLibraries.h"

namespace platform::win32 {

std::uint32_t Win32NetworkAdapters::List(std::vector<AdapterRecord>& adapters) {
  // By full path (a library named without one would be looked for in the program's folder
  // first), once per run: the sharing check asks at every run.
  using GetAdaptersInfoCall = DWORD(WINAPI*)(PIP_ADAPTER_INFO, PULONG);
  const auto call = SystemCall<GetAdaptersInfoCall>("iphlpapi.dll", "GetAdaptersInfo");
  if (call == nullptr) return ERROR_PROC_NOT_FOUND;
  std::vector<BYTE> buffer(sizeof(IP_ADAPTER_INFO) * 4);
  DWORD result = ERROR_BUFFER_OVERFLOW;
  for (int attempt = 0; attempt < 4 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
    ULONG size = static_cast<ULONG>(buffer.size());
    result = call(reinterpret_cast<PIP_ADAPTER_INFO>(buffer.data()), &size);
    if (result == ERROR_BUFFER_OVERFLOW) buffer.assign(size, 0);
  }
  if (result != ERROR_SUCCESS) return result;
  for (auto* adapter = reinterpret_cast<PIP_ADAPTER_INFO>(buffer.data()); adapter != nullptr;
       adapter = adapter->Next) {
    AdapterRecord record;
    record.name = adapter->AdapterName;
    record.description = adapter->Description;
    for (PIP_ADDR_STRING address = &adapter->IpAddressList; address != nullptr;
         address = address->Next) {
      record.addresses.push_back(address->IpAddress.String);
    }
    adapters.push_back(record);
  }
  return ERROR_SUCCESS;
}

}  // namespace platform::win32
