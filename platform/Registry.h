// Registry access under HKEY_LOCAL_MACHINE.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace platform {

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
};

}  // namespace platform
