#include "platform/win32/Win32Services.h"

#include <vector>

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {
namespace {

// A handle of the service control manager or of a service, closed when it goes.
class ServiceHandle {
 public:
  explicit ServiceHandle(SC_HANDLE handle) : m_handle(handle) {}
  ~ServiceHandle() {
    if (m_handle != nullptr) CloseServiceHandle(m_handle);
  }
  ServiceHandle(const ServiceHandle&) = delete;
  ServiceHandle& operator=(const ServiceHandle&) = delete;
  SC_HANDLE get() const { return m_handle; }

 private:
  SC_HANDLE m_handle;
};

// The state and start type of the service `name`, asked of an open manager.
std::uint32_t QueryOf(SC_HANDLE manager, const char* name, ServiceState& state) {
  ServiceHandle service(OpenServiceA(manager, name, SERVICE_QUERY_STATUS | SERVICE_QUERY_CONFIG));
  if (service.get() == nullptr) return GetLastError();
  SERVICE_STATUS status;
  ZeroMemory(&status, sizeof(status));
  if (!QueryServiceStatus(service.get(), &status)) return GetLastError();
  DWORD needed = 0;
  QueryServiceConfigA(service.get(), nullptr, 0, &needed);
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0) return GetLastError();
  std::vector<BYTE> buffer(needed);
  auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
  if (!QueryServiceConfigA(service.get(), config, needed, &needed)) return GetLastError();
  state.currentState = status.dwCurrentState;
  state.startType = config->dwStartType;
  return ERROR_SUCCESS;
}

}  // namespace

std::uint32_t Win32Services::Query(const std::string& name, ServiceState& state) {
  ServiceQuery query{name.c_str(), state};
  QueryEach(&query, 1);
  state = query.state;
  return query.result;
}

void Win32Services::QueryEach(ServiceQuery* queries, std::size_t count) {
  ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
  const DWORD refused = manager.get() == nullptr ? GetLastError() : ERROR_SUCCESS;
  for (std::size_t index = 0; index < count; ++index) {
    ServiceQuery& query = queries[index];
    query.result =
        refused != ERROR_SUCCESS ? refused : QueryOf(manager.get(), query.name, query.state);
  }
}

std::uint32_t Win32Services::Start(const std::string& name) {
  ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
  if (manager.get() == nullptr) return GetLastError();
  ServiceHandle service(OpenServiceA(manager.get(), name.c_str(), SERVICE_START));
  if (service.get() == nullptr) return GetLastError();
  if (StartServiceA(service.get(), 0, nullptr)) return ERROR_SUCCESS;
  const DWORD error = GetLastError();
  return error == ERROR_SERVICE_ALREADY_RUNNING ? ERROR_SUCCESS : error;
}

}  // namespace platform::win32
