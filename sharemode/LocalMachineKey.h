// A key under HKEY_LOCAL_MACHINE, opened (created when missing) for one recipe step and closed
// when the step's scope ends, also when a write fails and the error leaves the handler.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace sharemode {

class LocalMachineKey {
 public:
  // `path` is written from the root, with or without its leading backslash; the registry wants
  // it without one.
  LocalMachineKey(platform::Registry& registry, const std::string& path);
  ~LocalMachineKey();
  LocalMachineKey(const LocalMachineKey&) = delete;
  LocalMachineKey& operator=(const LocalMachineKey&) = delete;

  bool IsOpen() const { return m_open; }
  // Windows error codes; a key that could not be opened refuses every write.
  long SetDword(const std::string& name, std::uint32_t data);
  long SetString(const std::string& name, const std::string& data);
  long SetValue(const std::string& name, const platform::RegistryData& data);
  long QueryValue(const std::string& name, platform::RegistryData& data);

 private:
  platform::Registry& m_registry;
  platform::Handle m_key = 0;
  bool m_open = false;
};

// The sub-key the registry call takes for a path written from the root.
std::string SubKeyFromRoot(const std::string& path);

}  // namespace sharemode
