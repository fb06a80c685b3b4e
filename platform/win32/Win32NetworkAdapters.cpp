#include "platform/win32/Win32NetworkAdapters.h"

// clang-format off
#include "platform/win32/WindowsApi.h"
#include <iphlpapi.h>
// clang-format on

#include <vector>

#include "platform/win32/SystemFolder.h"
#include "platform/win32/SystemLibraries.h"

namespace platform::win32 {
namespace {

class Library {
 public:
  explicit Library(const std::string& path) : m_module(LoadLibraryByFullPath(path)) {}
  ~Library() {
    if (m_module != nullptr) FreeLibrary(m_module);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  FARPROC Entry(const char* name) const {
    return m_module == nullptr ? nullptr : GetProcAddress(m_module, name);
  }

 private:
  HMODULE m_module;
};

}  // namespace

std::uint32_t Win32NetworkAdapters::List(std::vector<AdapterRecord>& adapters) {
  // By full path: a library named without one would be looked for in the program's folder first.
  const std::string folder = SystemFolder();
  if (folder.empty()) return ERROR_MOD_NOT_FOUND;
  Library library(folder + "\\iphlpapi.dll");
  using GetAdaptersInfoCall = DWORD(WINAPI*)(PIP_ADAPTER_INFO, PULONG);
  auto call = reinterpret_cast<GetAdaptersInfoCall>(
      reinterpret_cast<void*>(library.Entry("GetAdaptersInfo")));
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
