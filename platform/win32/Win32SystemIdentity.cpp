#include "platform/win32/Win32SystemIdentity.h"

#include <cstring>
#include <vector>

#include "platform/win32/FolderGuard.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

bool Win32SystemIdentity::GetVersionEx(VersionRecord& record) {
  // The caller's size field decides which record the system fills. The buffer is the larger
  // (extended) record, so no size the system accepts can make it write past the end.
  OSVERSIONINFOEXA info;
  ZeroMemory(&info, sizeof(info));
  if (record.size > sizeof(info)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return false;
  }
  info.dwOSVersionInfoSize = record.size;
  if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) return false;
  record.majorVersion = info.dwMajorVersion;
  record.minorVersion = info.dwMinorVersion;
  record.buildNumber = info.dwBuildNumber;
  record.platformId = info.dwPlatformId;
  record.servicePack.assign(info.szCSDVersion,
                            strnlen(info.szCSDVersion, sizeof(info.szCSDVersion)));
  return true;
}

namespace {

// Runs a name query of the GetUserNameA kind on a zero-filled buffer of `capacity` characters.
template <class Query>
bool QueryName(Query query, std::string& name, std::uint32_t capacity) {
  name.clear();
  std::vector<char> buffer(capacity + 1, '\0');
  DWORD length = capacity;
  if (!query(buffer.data(), &length)) return false;
  name.assign(buffer.data(), strnlen(buffer.data(), capacity));
  return true;
}

}  // namespace

bool Win32SystemIdentity::GetUserName(std::string& name, std::uint32_t capacity) {
  return QueryName([](char* buffer, DWORD* length) { return GetUserNameA(buffer, length); }, name,
                   capacity);
}

bool Win32SystemIdentity::GetComputerName(std::string& name, std::uint32_t capacity) {
  return QueryName([](char* buffer, DWORD* length) { return GetComputerNameA(buffer, length); },
                   name, capacity);
}

bool Win32SystemIdentity::GetSuiteMask(std::uint32_t& mask) {
  OSVERSIONINFOEXA info;
  ZeroMemory(&info, sizeof(info));
  info.dwOSVersionInfoSize = sizeof(info);
  if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) return false;
  mask = info.wSuiteMask;
  return true;
}
bool Win32SystemIdentity::IsAdministrator() { return TokenIsAdministrator(); }

}  // namespace platform::win32
