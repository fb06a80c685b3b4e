// The registry under HKEY_LOCAL_MACHINE, through the ANSI registry calls.
#pragma once

#include "platform/Registry.h"

namespace platform::win32 {

class Win32Registry : public Registry {
 public:
  long CreateLocalMachineKey(const std::string& subKey, Handle& key) override;
  long SetDword(Handle key, const std::string& name, std::uint32_t data) override;
  long SetString(Handle key, const std::string& name, const std::string& data) override;
  long CloseKey(Handle key) override;
  long OpenLocalMachineKey(const std::string& subKey, Handle& key) override;
  long QueryValue(Handle key, const std::string& name, RegistryData& data) override;
  long SetValue(Handle key, const std::string& name, const RegistryData& data) override;
  long DeleteValue(Handle key, const std::string& name) override;
  long OpenLocalMachineKeyForReading(const std::string& subKey, Handle& key) override;
};

}  // namespace platform::win32
