// Files, folders and volumes through the ANSI file calls.
#pragma once

#include "platform/FileSystem.h"

namespace platform::win32 {

class Win32FileSystem : public FileSystem {
 public:
  std::string GetModuleFileName() override;
  std::string GetSystemDirectory() override;
  std::string GetTempPath() override;
  bool FileExists(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string& bytes) override;
  bool WriteFile(const std::string& path, const std::string& bytes) override;
  bool CreateNewFile(const std::string& path, const std::string& bytes) override;
  bool DeleteFile(const std::string& path) override;
  bool CreatePrivateDirectory(const std::string& path) override;
  bool RemoveDirectory(const std::string& path) override;
  bool GetVolumeFileSystemName(const std::string& root, std::string& name) override;
};

}  // namespace platform::win32
