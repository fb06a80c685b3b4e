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

long MemoryRegistry::Open(const std::string& subKey, Handle& key) {
  // Like Windows: a sub-key that starts with a backslash is a bad path.
  if (!subKey.empty() && subKey.front() == '\\') return kBadPathName;
  if (refusedKeys.count(Key(subKey)) > 0) return kAccessDenied;
  key = ++m_lastHandle;
  m_handles[key] = subKey;
  openHandles.insert(key);
  return 0;
}

long MemoryRegistry::CreateLocalMachineKey(const std::string& subKey, Handle& key) {
  const long result = Open(subKey, key);
  if (result != 0) return result;
  m_keys[Key(subKey)];
  openedKeys.push_back(subKey);
  return 0;
}

long MemoryRegistry::OpenLocalMachineKey(const std::string& subKey, Handle& key) {
  if (!subKey.empty() && subKey.front() != '\\' && !KeyExists(subKey)) return kFileNotFound;
  return Open(subKey, key);
}

long MemoryRegistry::QueryValue(Handle key, const std::string& name, RegistryData& data) {
  auto handle = m_handles.find(key);
  if (handle == m_handles.end() || openHandles.count(key) == 0) return kInvalidHandle;
  const std::optional<RegistryValue> value = Value(handle->second, name);
  if (!value) return kFileNotFound;
  if (value->type == RegistryValue::Type::Dword) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value->dword >> (8 * i)) & 0xFF);
    data = RegistryData{kRegDword, bytes};
  } else if (value->type == RegistryValue::Type::String) {
    data = RegistryData{kRegString, value->text + '\0'};
  } else {
    data = RegistryData{value->rawType, value->text};
  }
  return 0;
}

long MemoryRegistry::SetValue(Handle key, const std::string& name, const RegistryData& data) {
  RegistryValue value{RegistryValue::Type::Other, 0, data.bytes, data.type};
  if (data.type == kRegDword && data.bytes.size() == 4) {
    value = RegistryValue{RegistryValue::Type::Dword, 0, {}, 0};
    for (int i = 0; i < 4; ++i) {
      value.dword |= static_cast<std::uint32_t>(static_cast<unsigned char>(data.bytes[i]))
                     << (8 * i);
    }
  } else if (data.type == kRegString && !data.bytes.empty() && data.bytes.back() == '\0') {
    value = RegistryValue{RegistryValue::Type::String, 0,
                          data.bytes.substr(0, data.bytes.size() - 1), 0};
  }
  return Write(key, name, value);
}

long MemoryRegistry::DeleteValue(Handle key, const std::string& name) {
  auto handle = m_handles.find(key);
  if (handle == m_handles.end() || openHandles.count(key) == 0) return kInvalidHandle;
  if (refusedValueNames.count(Lower(name)) > 0) return kAccessDenied;
  auto found = m_keys.find(Key(handle->second));
  if (found == m_keys.end() || found->second.erase(Lower(name)) == 0) return kFileNotFound;
  deletedValues.push_back(handle->second + "\\" + name);
  return 0;
}

void MemoryRegistry::Put(const std::string& key, const std::string& name,
                         const RegistryValue& value) {
  m_keys[Key(key)][Lower(name)] = value;
}

void MemoryRegistry::RemoveKey(const std::string& key) {
  const std::string removed = Key(key);
  for (auto at = m_keys.begin(); at != m_keys.end();) {
    const bool below = at->first.size() > removed.size() &&
                       at->first.compare(0, removed.size() + 1, removed + "\\") == 0;
    at = at->first == removed || below ? m_keys.erase(at) : std::next(at);
  }
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

bool MemoryRegistry::KeyExists(const std::string& key) const { return m_keys.count(Key(key)) > 0; }

}  // namespace platform::memory
