// Files, folders and volumes.
#pragma once

#include <string>

namespace platform {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // GetModuleFileNameA of the running program.
  virtual std::string GetModuleFileName() = 0;
  // GetSystemDirectoryA, without a trailing separator; empty on failure.
  virtual std::string GetSystemDirectory() = 0;
  // GetTempPathA, with its trailing separator; empty on failure.
  virtual std::string GetTempPath() = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // The whole content of a file; false when it cannot be opened or read.
  virtual bool ReadFile(const std::string& path, std::string& bytes) = 0;
  // Creates a file that must not exist yet (never opens an existing one) and writes `bytes`.
  virtual bool CreateNewFile(const std::string& path, const std::string& bytes) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
  // Creates a folder that only administrators and the system may open; fails when it exists.
  // Until RemoveDirectory, nobody can rename or delete it.
  virtual bool CreatePrivateDirectory(const std::string& path) = 0;
  virtual bool RemoveDirectory(const std::string& path) = 0;
  // The folder for data of every user (CSIDL_COMMON_APPDATA), without a trailing separator;
  // empty on failure.
  virtual std::string GetCommonAppDataFolder() = 0;
  // True only for an existing folder (not a link) owned by the administrators or the system
  // whose access list lets nobody else in, or one this process made with CreatePrivateDirectory
  // and still holds.
  virtual bool IsPrivateDirectory(const std::string& path) = 0;
  // Writes `bytes` to a new file beside `path` and then puts it in place of `path`, so that a
  // reader sees the old content or the new, never a part.
  virtual bool ReplaceFile(const std::string& path, const std::string& bytes) = 0;
  // GetVolumeInformationA on a root such as "C:\": the file-system name ("NTFS", "FAT32", ...).
  virtual bool GetVolumeFileSystemName(const std::string& root, std::string& name) = 0;
};

}  // namespace platform
