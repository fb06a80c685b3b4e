// An in-memory disk: files, folders and volumes, with Windows' case-insensitive paths.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace platform::memory {

class MemoryFileSystem : public FileSystem {
 public:
  MemoryFileSystem();
  std::string GetModuleFileName() override { return moduleFileName; }
  std::string GetSystemDirectory() override { return systemDirectory; }
  std::string GetTempPath() override { return tempPath; }
  std::string GetWindowsDirectory() override { return windowsDirectory; }
  std::string GetCommonAppDataFolder() override { return commonAppDataFolder; }
  std::string GetProgramFilesFolder() override { return programFilesFolder; }
  std::string GetProfileFolder() override { return profileFolder; }
  FolderGuard GuardOf(const std::string& folder) override;
  bool FileExists(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string& bytes) override;
  bool CreateNewFile(const std::string& path, const std::string& bytes) override;
  bool DeleteFile(const std::string& path) override;
  bool HoldFile(const std::string& path, std::string& bytes) override;
  void ReleaseFile(const std::string& path) override;
  bool CreatePrivateDirectory(const std::string& path) override;
  bool RemoveDirectory(const std::string& path) override;
  bool GetVolumeFileSystemName(const std::string& root, std::string& name) override;
  // Resolves "/" , "." and ".." parts and the trailing dots and blanks of the last part, as
  // Windows does; the rest stays as it is.
  std::string GetFullPath(const std::string& path) override;
  bool IsReparsePoint(const std::string& path) override {
    return reparsePoints.count(Key(path)) > 0;
  }
  bool IsPrivateDirectory(const std::string& path) override;
  std::vector<std::string> FolderNames(const std::string& folder,
                                       const std::string& prefix) override;
  bool ReplaceFile(const std::string& path, const std::string& bytes) override;

  // Creates or replaces a file (the in-memory profile files write through this).
  bool WriteFile(const std::string& path, const std::string& bytes);

  // Test set-up and inspection.
  void PutFile(const std::string& path, const std::string& bytes);
  void PutDirectory(const std::string& path);
  bool DirectoryExists(const std::string& path) const;
  std::string Content(const std::string& path) const;  // empty when missing
  std::vector<std::string> FilesUnder(const std::string& folder) const;

  std::string moduleFileName = "C:\\Program Files\\Plinvo\\Plinvo.exe";
  std::string systemDirectory = "C:\\WINDOWS\\system32";
  std::string tempPath = "C:\\DOCUME~1\\Admin\\LOCALS~1\\Temp\\";
  std::string windowsDirectory = "C:\\WINDOWS";
  std::string commonAppDataFolder = "C:\\Documents and Settings\\All Users\\Application Data";
  std::string programFilesFolder = "C:\\Program Files";
  std::string profileFolder = "C:\\Documents and Settings\\Admin";
  // Lower-case folders someone besides the administrators can change; what lies under them is
  // exposed too. Everything else is guarded.
  std::set<std::string> exposedFolders;
  std::set<std::string> heldFiles;  // lower-case paths held open, nobody may change them
  std::map<std::string, std::string> volumes = {{"c:\\", "NTFS"}};  // lower-case root -> name
  std::set<std::string> unreadable;       // lower-case paths whose reads fail
  std::set<std::string> unwritable;       // lower-case paths whose writes fail
  std::set<std::string> readOnlyFolders;  // lower-case folders where nothing new can be made
  std::set<std::string> reparsePoints;    // lower-case junctions, links and mounted volumes
  std::vector<std::string> privateDirectoriesCreated;
  // Files that exist but are not there a moment later (removed by someone else).
  bool writesVanish = false;

 private:
  static std::string Key(const std::string& path);
  bool InReadOnlyFolder(const std::string& path) const;
  std::map<std::string, std::pair<std::string, std::string>> m_files;  // key -> (path, bytes)
  std::map<std::string, std::string> m_directories;                    // key -> path
  std::set<std::string> m_privateDirectories;
};

}  // namespace platform::memory
