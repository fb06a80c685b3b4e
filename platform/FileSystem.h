// Files, folders and volumes.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Who besides the administrators and the system could rename, delete, re-point or re-permit a
// folder or any folder above it.
enum class FolderGuard {
  AdministratorsOnly,  // nobody else, along the whole path
  Exposed,             // someone else could, or it cannot be told (missing, unreadable)
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // GetModuleFileNameA of the running program.
  virtual std::string GetModuleFileName() = 0;
  // GetSystemDirectoryA, without a trailing separator; empty on failure.
  virtual std::string GetSystemDirectory() = 0;
  // GetTempPathA, with its trailing separator; empty on failure.
  virtual std::string GetTempPath() = 0;
  // The Windows folder shared by every user (GetSystemWindowsDirectoryA), without a trailing
  // separator; empty on failure.
  virtual std::string GetWindowsDirectory() = 0;
  // The application data folder of all users (CSIDL_COMMON_APPDATA), without a trailing
  // separator; empty on failure.
  virtual std::string GetCommonAppDataFolder() = 0;
  // The programs' folder (CSIDL_PROGRAM_FILES) and the profile folder of the user the program
  // runs as (CSIDL_PROFILE), without a trailing separator; empty on failure.
  virtual std::string GetProgramFilesFolder() = 0;
  virtual std::string GetProfileFolder() = 0;
  // Reads the owner and access list of `folder` and of every folder above it.
  virtual FolderGuard GuardOf(const std::string& folder) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // The whole content of a file; false when it cannot be opened or read.
  virtual bool ReadFile(const std::string& path, std::string& bytes) = 0;
  // Creates a file that must not exist yet (never opens an existing one) and writes `bytes`.
  virtual bool CreateNewFile(const std::string& path, const std::string& bytes) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
  // Opens an existing file and keeps it open until ReleaseFile, letting others only read it:
  // meanwhile nobody can change, rename or delete it. `bytes` is its content as held.
  virtual bool HoldFile(const std::string& path, std::string& bytes) = 0;
  virtual void ReleaseFile(const std::string& path) = 0;
  // Creates a folder that only administrators and the system may open; fails when it exists.
  // Until RemoveDirectory, nobody can rename or delete it.
  virtual bool CreatePrivateDirectory(const std::string& path) = 0;
  virtual bool RemoveDirectory(const std::string& path) = 0;
  // The names of the folders directly inside `folder` whose names begin with `prefix` (letter
  // case ignored). A name the code page cannot hold exactly is left out: it would name another
  // folder.
  virtual std::vector<std::string> FolderNames(const std::string& folder,
                                               const std::string& prefix) = 0;
  // True only for an existing folder (not a link) owned by the administrators or the system
  // whose access list lets nobody else in, or one this process made with CreatePrivateDirectory
  // and still holds.
  virtual bool IsPrivateDirectory(const std::string& path) = 0;
  // Writes `bytes` to a new file beside `path` and then puts it in place of `path`, so that a
  // reader sees the old content or the new, never a part.
  virtual bool ReplaceFile(const std::string& path, const std::string& bytes) = 0;
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
