#include "platform/memory/MemoryFileSystem.h"

#include <algorithm>
#include <cctype>

namespace platform::memory {

MemoryFileSystem::MemoryFileSystem() {
  PutDirectory(windowsDirectory);
  PutDirectory(windowsDirectory + "\\Temp");
  PutDirectory(commonAppDataFolder);
}

std::string MemoryFileSystem::Key(const std::string& path) {
  std::string key = path;
  std::replace(key.begin(), key.end(), '/', '\\');
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  while (key.size() > 3 && key.back() == '\\') key.pop_back();
  return key;
}

bool MemoryFileSystem::FileExists(const std::string& path) { return m_files.count(Key(path)) > 0; }

bool MemoryFileSystem::ReadFile(const std::string& path, std::string& bytes) {
  auto found = m_files.find(Key(path));
  if (found == m_files.end() || unreadable.count(Key(path)) > 0) return false;
  bytes = found->second.second;
  return true;
}

bool MemoryFileSystem::InReadOnlyFolder(const std::string& path) const {
  const std::string key = Key(path);
  const std::string::size_type separator = key.find_last_of('\\');
  return separator != std::string::npos && readOnlyFolders.count(key.substr(0, separator)) > 0;
}

bool MemoryFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  if (unwritable.count(Key(path)) > 0 || heldFiles.count(Key(path)) > 0) return false;
  if (!FileExists(path) && InReadOnlyFolder(path)) return false;
  if (m_directories.count(Key(path)) > 0) return false;
  if (!writesVanish) m_files[Key(path)] = {path, bytes};
  return true;
}

bool MemoryFileSystem::CreateNewFile(const std::string& path, const std::string& bytes) {
  if (FileExists(path)) return false;
  return WriteFile(path, bytes);
}

bool MemoryFileSystem::DeleteFile(const std::string& path) {
  if (heldFiles.count(Key(path)) > 0) return false;
  return m_files.erase(Key(path)) > 0;
}

bool MemoryFileSystem::HoldFile(const std::string& path, std::string& bytes) {
  if (!ReadFile(path, bytes)) return false;
  heldFiles.insert(Key(path));
  return true;
}

void MemoryFileSystem::ReleaseFile(const std::string& path) { heldFiles.erase(Key(path)); }

FolderGuard MemoryFileSystem::GuardOf(const std::string& folder) {
  const std::string key = Key(folder);
  if (!DirectoryExists(folder)) return FolderGuard::Exposed;
  for (const std::string& exposed : exposedFolders) {
    if (key == exposed || key.rfind(exposed + "\\", 0) == 0) return FolderGuard::Exposed;
  }
  return FolderGuard::AdministratorsOnly;
}

bool MemoryFileSystem::CreatePrivateDirectory(const std::string& path) {
  if (unwritable.count(Key(path)) > 0 || DirectoryExists(path) || FileExists(path)) return false;
  if (InReadOnlyFolder(path)) return false;
  m_directories[Key(path)] = path;
  m_privateDirectories.insert(Key(path));
  privateDirectoriesCreated.push_back(path);
  return true;
}

bool MemoryFileSystem::IsPrivateDirectory(const std::string& path) {
  return m_privateDirectories.count(Key(path)) > 0;
}

std::vector<std::string> MemoryFileSystem::FolderNames(const std::string& folder,
                                                       const std::string& prefix) {
  const std::string parent = Key(folder) + "\\";
  const std::string start = parent + Key(prefix);
  std::vector<std::string> names;
  for (const auto& [key, path] : m_directories) {
    if (key.rfind(start, 0) != 0 || key.find('\\', parent.size()) != std::string::npos) continue;
    std::string name = path;
    while (!name.empty() && (name.back() == '\\' || name.back() == '/')) name.pop_back();
    names.push_back(name.substr(name.find_last_of("\\/") + 1));
  }
  return names;
}

bool MemoryFileSystem::ReplaceFile(const std::string& path, const std::string& bytes) {
  if (InReadOnlyFolder(path)) return false;
  return WriteFile(path, bytes);
}

bool MemoryFileSystem::RemoveDirectory(const std::string& path) {
  const std::string key = Key(path);
  if (!FilesUnder(path).empty()) return false;  // only empty folders go
  m_privateDirectories.erase(key);
  return m_directories.erase(key) > 0;
}

bool MemoryFileSystem::GetVolumeFileSystemName(const std::string& root, std::string& name) {
  std::string key = root;
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  auto found = volumes.find(key);
  if (found == volumes.end()) return false;
  name = found->second;
  return true;
}

void MemoryFileSystem::PutFile(const std::string& path, const std::string& bytes) {
  m_files[Key(path)] = {path, bytes};
}

void MemoryFileSystem::PutDirectory(const std::string& path) { m_directories[Key(path)] = path; }

bool MemoryFileSystem::DirectoryExists(const std::string& path) const {
  return m_directories.count(Key(path)) > 0;
}

std::string MemoryFileSystem::Content(const std::string& path) const {
  auto found = m_files.find(Key(path));
  return found == m_files.end() ? std::string() : found->second.second;
}

std::vector<std::string> MemoryFileSystem::FilesUnder(const std::string& folder) const {
  const std::string prefix = Key(folder) + "\\";
  std::vector<std::string> paths;
  for (const auto& [key, file] : m_files) {
    if (key.rfind(prefix, 0) == 0) paths.push_back(file.first);
  }
  for (const auto& directory : m_directories) {
    if (directory.first.rfind(prefix, 0) == 0) paths.push_back(directory.first);
  }
  return paths;
}

}  // namespace platform::memory

namespace platform::memory {

std::string MemoryFileSystem::GetFullPath(const std::string& path) {
  std::string text = path;
  std::replace(text.begin(), text.end(), '/', '\\');
  if (text.size() < 3 || text[1] != ':' || text[2] != '\\') return text;
  std::vector<std::string> parts;
  std::size_t begin = 3;
  while (begin <= text.size()) {
    std::size_t end = text.find('\\', begin);
    if (end == std::string::npos) end = text.size();
    const std::string part = text.substr(begin, end - begin);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (part != ".") {
      parts.push_back(part);
    }
    begin = end + 1;
  }
  if (!parts.empty()) {
    std::string& last = parts.back();
    while (!last.empty() && (last.back() == '.' || last.back() == ' ')) last.pop_back();
  }
  std::string full = text.substr(0, 3);
  for (std::size_t i = 0; i < parts.size(); ++i) full += (i > 0 ? "\\" : "") + parts[i];
  return full;
}

}  // namespace platform::memory
