#include "platform/win32/Win32Registry.h"

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

}  // namespace platform::win32
