// Files, folders and volumes through the ANSI file calls.
#pragma once

#include <map>
#include <string>

#include "platform/FileSystem.h"

namespace platform::win32 {

class Win32FileSystem : public FileSystem {
 public:
  Win32FileSystem() = default;
  ~Win32FileSystem() override;
  Win32FileSystem(const Win32FileSystem&) = delete;
  Win32FileSystem& operator=(const Win32FileSystem&) = delete;

  std::string GetModuleFileName() override;
  std::string GetSystemDirectory() override;
  std::string GetTempPath() override;
  std::string GetWindowsDirectory() override;
  std::string GetCommonAppDataFolder() override;
  std::string GetProgramFilesFolder() override;
  std::string GetProfileFolder() override;
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
  std::string GetFullPath(const std::string& path) override;
  bool IsReparsePoint(const std::string& path) override;
  bool IsPrivateDirectory(const std::string& path) override;
  std::vector<std::string> FolderNames(const std::string& folder,
                                       const std::string& prefix) override;
  bool ReplaceFile(const std::string& path, const std::string& bytes) override;

 private:
  // The private folders made here, each held open without delete sharing until it is removed:
  // the user's own programs may rename or delete anything in their temporary folder, and could
  // otherwise move the folder away and put one of their own, with their script, in its place.
  std::map<std::string, void*> m_heldFolders;
  std::map<std::string, void*> m_heldFiles;  // HoldFile's handles, read sharing only
  // The all-users data folder, asked of the shell once per run: the start-up alone asks for it
  // three times, and each question would load the shell again. Only an administrator can move
  // it, and not while the program runs.
  std::string m_commonAppData;
};

}  // namespace platform::win32
