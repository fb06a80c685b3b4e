// Registry access under HKEY_LOCAL_MACHINE.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace platform {

// A value as read back: a DWORD, a string (REG_SZ or REG_EXPAND_SZ, without its NUL), or of
// another type the program does not write.
struct RegistryData {
  enum class Type { Dword, String, Other };
  Type type = Type::Other;
  std::uint32_t dword = 0;
  std::string text;
};

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
  // RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, KEY_READ): opens an existing key for reading
  // only; never creates one. Closed with CloseKey.
  virtual long OpenLocalMachineKeyForReading(const std::string& subKey, Handle& key) = 0;
  // RegQueryValueExA of one value; 2 when it is missing.
  virtual long QueryValue(Handle key, const std::string& name, RegistryData& data) = 0;
};

}  // namespace platform
