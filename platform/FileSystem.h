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
  // GetVolumeInformationA on a root such as "C:\": the file-system name ("NTFS", "FAT32", ...).
  virtual bool GetVolumeFileSystemName(const std::string& root, std::string& name) = 0;
  // GetFullPathNameA: the path as the system resolves it ("." and ".." parts, trailing dots and
  // blanks, forward slashes); empty on failure.
  virtual std::string GetFullPath(const std::string& path) = 0;
  // Whether the file or folder is a reparse point (a junction, a symbolic link, a mounted
  // volume): FILE_ATTRIBUTE_REPARSE_POINT. False also when its attributes cannot be read.
  virtual bool IsReparsePoint(const std::string& path) = 0;
};

}  // namespace platform
