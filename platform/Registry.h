// Registry access under HKEY_LOCAL_MACHINE.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Types.h"

namespace platform {

// A value as the registry stores it: its type (REG_SZ = 1, REG_DWORD = 4, ...) and raw data.
struct RegistryData {
  std::uint32_t type = 0;
  std::string bytes;
};

constexpr std::uint32_t kRegString = 1;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegExpandString = 2;
constexpr long kErrorFileNotFound = 2;  // a key or value that does not exist

// The number a REG_DWORD holds; nullopt for any other type or size.
std::optional<std::uint32_t> DwordOf(const RegistryData& data);
// The text a REG_SZ or REG_EXPAND_SZ holds, up to its first NUL; nullopt for any other type.
std::optional<std::string> TextOf(const RegistryData& data);

class Registry {
 public:
  virtual ~Registry() = default;
  // RegCreateKeyExA(HKEY_LOCAL_MACHINE, subKey, KEY_ALL_ACCESS, non-volatile). subKey never starts
  // with a backslash. Returns a Windows error code; `key` is set on success only.
  virtual long CreateLocalMachineKey(const std::string& subKey, Handle& key) = 0;
  virtual long SetDword(Handle key, const std::string& name, std::uint32_t data) = 0;
  // REG_SZ with its terminating NUL.
  virtual long SetString(Handle key, const std::string& name, const std::string& data) = 0;
  virtual long CloseKey(Handle key) = 0;
  // RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, KEY_QUERY_VALUE | KEY_SET_VALUE): never creates
  // the key; a missing one answers kErrorFileNotFound.
  virtual long OpenLocalMachineKey(const std::string& subKey, Handle& key) = 0;
  // RegQueryValueExA; a missing value answers kErrorFileNotFound.
  virtual long QueryValue(Handle key, const std::string& name, RegistryData& data) = 0;
  // RegSetValueExA with the type and bytes as given.
  virtual long SetValue(Handle key, const std::string& name, const RegistryData& data) = 0;
  // RegDeleteValueA.
  virtual long DeleteValue(Handle key, const std::string& name) = 0;
  // RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, KEY_READ): opens an existing key for reading
  // only; never creates one. Closed with CloseKey.
  virtual long OpenLocalMachineKeyForReading(const std::string& subKey, Handle& key) = 0;
};

}  // namespace platform
