// In-memory initialisation files, read and written by the Windows rules on the in-memory disk.
#pragma once

#include "platform/ProfileFile.h"
#include "platform/memory/MemoryFileSystem.h"

namespace platform::memory {

class MemoryProfileFile : public ProfileFile {
 public:
  explicit MemoryProfileFile(MemoryFileSystem& files) : m_files(files) {}
  int GetInt(const std::string&, const std::string&, int defaultValue,
             const std::string&) override {
    return defaultValue;
  }
  bool WriteString(const std::string&, const std::string&, const std::string&,
                   const std::string&) override {
    return false;
  }

 private:
  MemoryFileSystem& m_files;
};

}  // namespace platform::memory
