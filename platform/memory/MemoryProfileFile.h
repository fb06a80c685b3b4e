// In-memory initialisation files on the in-memory disk, read and written the way the Windows
// profile functions do it, so that odd settings files behave in tests as they do on a computer.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ProfileFile.h"
#include "platform/memory/MemoryFileSystem.h"

namespace platform::memory {

// How GetPrivateProfileIntA turns a value's text into a number: blanks skipped, one sign, a
// "0x" / "0o" / "0b" prefix, digits until the first that does not fit, wrapping modulo 2^32.
std::uint32_t ProfileTextToNumber(const std::string& text);

class MemoryProfileFile : public ProfileFile {
 public:
  explicit MemoryProfileFile(MemoryFileSystem& files) : m_files(files) {}
  int GetInt(const std::string& section, const std::string& key, int defaultValue,
             const std::string& path) override;
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& path) override;

 private:
  std::string Resolve(const std::string& path) const;
  MemoryFileSystem& m_files;
};

}  // namespace platform::memory
