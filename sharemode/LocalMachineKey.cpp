#include "sharemode/LocalMachineKey.h"

namespace sharemode {
namespace {
constexpr long kInvalidHandle = 6;  // ERROR_INVALID_HANDLE, what a write on no key gives
}  // namespace

std::string SubKeyFromRoot(const std::string& path) {
  // RegCreateKeyExA rejects a sub-key that starts with a backslash (ERROR_BAD_PATHNAME).
  return !path.empty() && path.front() == '\\' ? path.substr(1) : path;
}

LocalMachineKey::LocalMachineKey(platform::Registry& registry, const std::string& path)
    : m_registry(registry) {
  m_open = m_registry.CreateLocalMachineKey(SubKeyFromRoot(path), m_key) == platform::kSuccess;
}

LocalMachineKey::~LocalMachineKey() {
  if (m_open) m_registry.CloseKey(m_key);
}

long LocalMachineKey::SetDword(const std::string& name, std::uint32_t data) {
  return m_open ? m_registry.SetDword(m_key, name, data) : kInvalidHandle;
}

long LocalMachineKey::SetString(const std::string& name, const std::string& data) {
  return m_open ? m_registry.SetString(m_key, name, data) : kInvalidHandle;
}

long LocalMachineKey::SetValue(const std::string& name, const platform::RegistryData& data) {
  return m_open ? m_registry.SetValue(m_key, name, data) : kInvalidHandle;
}

long LocalMachineKey::QueryValue(const std::string& name, platform::RegistryData& data) {
  return m_open ? m_registry.QueryValue(m_key, name, data) : kInvalidHandle;
}

}  // namespace sharemode
