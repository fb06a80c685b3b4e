#include "platform/memory/MemoryRegistry.h"

#include <algorithm>
#include <cctype>

namespace platform::memory {
namespace {
constexpr long kFileNotFound = 2;
constexpr long kAccessDenied = 5;
constexpr long kInvalidHandle = 6;
constexpr long kBadPathName = 161;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}
}  // namespace

std::string MemoryRegistry::Key(const std::string& path) {
  std::string key = Lower(path);
  while (!key.empty() && key.back() == '\\') key.pop_back();
  return key;
}

long MemoryRegistry::CreateLocalMachineKey(const std::string& subKey, Handle& key) {
  // Like Windows: a sub-key that starts with a backslash is a bad path.
  if (!subKey.empty() && subKey.front() == '\\') return kBadPathName;
  if (refusedKeys.count(Key(subKey)) > 0) return kAccessDenied;
  m_keys[Key(subKey)];
  key = ++m_lastHandle;
  m_handles[key] = subKey;
  openHandles.insert(key);
  openedKeys.push_back(subKey);
  return 0;
}

long MemoryRegistry::Write(Handle key, const std::string& name, const RegistryValue& value) {
  auto handle = m_handles.find(key);
  if (handle == m_handles.end() || openHandles.count(key) == 0) return kInvalidHandle;
  if (refusedValueNames.count(Lower(name)) > 0) return kAccessDenied;
  if (writesAllowed && writes.size() >= *writesAllowed) return kAccessDenied;
  m_keys[Key(handle->second)][Lower(name)] = value;
  writes.push_back(RegistryWrite{handle->second, name, value});
  return 0;
}

long MemoryRegistry::SetDword(Handle key, const std::string& name, std::uint32_t data) {
  return Write(key, name, RegistryValue{RegistryValue::Type::Dword, data, {}});
}

long MemoryRegistry::SetString(Handle key, const std::string& name, const std::string& data) {
  return Write(key, name, RegistryValue{RegistryValue::Type::String, 0, data});
}

long MemoryRegistry::CloseKey(Handle key) {
  return openHandles.erase(key) > 0 ? 0 : kInvalidHandle;
}

std::optional<RegistryValue> MemoryRegistry::Value(const std::string& key,
                                                   const std::string& name) const {
  auto found = m_keys.find(Key(key));
  if (found == m_keys.end()) return std::nullopt;
  auto value = found->second.find(Lower(name));
  if (value == found->second.end()) return std::nullopt;
  return value->second;
}

long MemoryRegistry::OpenLocalMachineKeyForReading(const std::string& subKey, Handle& key) {
  if (!subKey.empty() && subKey.front() == '\\') return kBadPathName;
  if (unreadableKeys.count(Key(subKey)) > 0 || refusedKeys.count(Key(subKey)) > 0) {
    return kAccessDenied;
  }
  if (m_keys.count(Key(subKey)) == 0) return kFileNotFound;
  key = ++m_lastHandle;
  m_handles[key] = subKey;
  openHandles.insert(key);
  return 0;
}

long MemoryRegistry::QueryValue(Handle key, const std::string& name, RegistryData& data) {
  auto handle = m_handles.find(key);
  if (handle == m_handles.end() || openHandles.count(key) == 0) return kInvalidHandle;
  std::optional<RegistryValue> value = Value(handle->second, name);
  if (!value) return kFileNotFound;
  data.type = value->type == RegistryValue::Type::Dword ? RegistryData::Type::Dword
                                                         : RegistryData::Type::String;
  data.dword = value->dword;
  data.text = value->text;
  return 0;
}

void MemoryRegistry::Put(const std::string& key, const std::string& name,
                         const RegistryValue& value) {
  m_keys[Key(key)][Lower(name)] = value;
}

bool MemoryRegistry::KeyExists(const std::string& key) const { return m_keys.count(Key(key)) > 0; }

}  // namespace platform::memory
