#include "platform/memory/MemorySystemIdentity.h"

namespace platform::memory {

bool MemorySystemIdentity::GetVersionEx(VersionRecord& record) {
  lastVersionRecordSize = record.size;
  if (versionFails || record.size != kVersionRecordSize) return false;
  record = version;
  return true;
}

bool MemorySystemIdentity::GetUserName(std::string& name, std::uint32_t capacity) {
  // The name and its terminator must fit the buffer.
  if (userNameFails || userName.size() + 1 > capacity) return false;
  name = userName;
  return true;
}

bool MemorySystemIdentity::GetComputerName(std::string& name, std::uint32_t capacity) {
  if (computerNameFails || computerName.size() + 1 > capacity) return false;
  name = computerName;
  return true;
}

}  // namespace platform::memory
