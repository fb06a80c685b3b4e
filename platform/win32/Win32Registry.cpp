#include "platform/win32/Win32Registry.h"

#include <cstring>
#include <vector>

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

namespace {
HKEY AsKey(Handle key) { return reinterpret_cast<HKEY>(key); }
}  // namespace

long Win32Registry::CreateLocalMachineKey(const std::string& subKey, Handle& key) {
  HKEY created = nullptr;
  DWORD disposition = 0;
  const LONG result =
      RegCreateKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &created, &disposition);
  if (result == ERROR_SUCCESS) key = reinterpret_cast<Handle>(created);
  return result;
}

long Win32Registry::SetDword(Handle key, const std::string& name, std::uint32_t data) {
  const DWORD value = data;
  return RegSetValueExA(AsKey(key), name.c_str(), 0, REG_DWORD,
                        reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

long Win32Registry::SetString(Handle key, const std::string& name, const std::string& data) {
  // The stored size counts the terminating NUL, which c_str() provides.
  return RegSetValueExA(AsKey(key), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>(data.size() + 1));
}

long Win32Registry::CloseKey(Handle key) { return RegCloseKey(AsKey(key)); }

namespace {

long OpenExisting(const std::string& subKey, REGSAM access, Handle& key) {
  HKEY opened = nullptr;
  const LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, access, &opened);
  if (result == ERROR_SUCCESS) key = reinterpret_cast<Handle>(opened);
  return result;
}

}  // namespace

long Win32Registry::OpenLocalMachineKey(const std::string& subKey, Handle& key) {
  return OpenExisting(subKey, KEY_QUERY_VALUE | KEY_SET_VALUE, key);
}

long Win32Registry::OpenLocalMachineKeyForReading(const std::string& subKey, Handle& key) {
  return OpenExisting(subKey, KEY_READ, key);
}

long Win32Registry::QueryValue(Handle key, const std::string& name, RegistryData& data) {
  // The value may grow between the size query and the read; a few tries settle it.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0;
    DWORD size = 0;
    LONG result = RegQueryValueExA(AsKey(key), name.c_str(), nullptr, &type, nullptr, &size);
    if (result != ERROR_SUCCESS) return result;
    std::string bytes(size, '\0');
    result = RegQueryValueExA(AsKey(key), name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(bytes.data()), &size);
    if (result == ERROR_MORE_DATA) continue;
    if (result != ERROR_SUCCESS) return result;
    bytes.resize(size);
    data = RegistryData{type, std::move(bytes)};
    return ERROR_SUCCESS;
  }
  return ERROR_MORE_DATA;
}

long Win32Registry::SetValue(Handle key, const std::string& name, const RegistryData& data) {
  return RegSetValueExA(AsKey(key), name.c_str(), 0, data.type,
                        reinterpret_cast<const BYTE*>(data.bytes.data()),
                        static_cast<DWORD>(data.bytes.size()));
}

long Win32Registry::DeleteValue(Handle key, const std::string& name) {
  return RegDeleteValueA(AsKey(key), name.c_str());
}

}  // namespace platform::win32
