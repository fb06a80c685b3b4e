// An in-memory HKEY_LOCAL_MACHINE: keys are created on open, every write is logged in order,
// and a test can refuse writes or key openings.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace platform::memory {

struct RegistryValue {
  // Other: any other registry type, `rawType` with its bytes in `text`.
  enum class Type { Dword, String, Other } type = Type::Dword;
  std::uint32_t dword = 0;
  std::string text;
  std::uint32_t rawType = 0;
};

struct RegistryWrite {
  std::string key;  // as the program spelled it when opening
  std::string name;
  RegistryValue value;
};

class MemoryRegistry : public Registry {
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

  // The value now stored, nullopt when missing.
  std::optional<RegistryValue> Value(const std::string& key, const std::string& name) const;
  bool KeyExists(const std::string& key) const;

  // Test set-up: stores a value without logging a write.
  void Put(const std::string& key, const std::string& name, const RegistryValue& value);
  // Test set-up: removes the key with its values and every key below it, as another program
  // or a removed device would.
  void RemoveKey(const std::string& key);

  std::vector<RegistryWrite> writes;       // successful writes, in order
  std::vector<std::string> deletedValues;  // "key\\name" of every deletion, in order
  std::vector<std::string> openedKeys;     // every successful opening, in order
  std::set<Handle> openHandles;
  // Refusals: openings of keys (lower case) fail with 5; writes fail after `writesAllowed`
  // successful ones, or when the value name (lower case) is listed.
  std::set<std::string> refusedKeys;
  std::set<std::string> refusedValueNames;
  // Keys (lower case) whose reading is refused with 5.
  std::set<std::string> unreadableKeys;
  std::optional<std::size_t> writesAllowed;

 private:
  static std::string Key(const std::string& path);
  long Write(Handle key, const std::string& name, const RegistryValue& value);
  long Open(const std::string& subKey, Handle& key);
  std::map<std::string, std::map<std::string, RegistryValue>> m_keys;  // lower-case paths/names
  std::map<Handle, std::string> m_handles;                             // handle -> path as opened
  Handle m_lastHandle = 0x3000;
};

}  // namespace platform::memory
