#include "platform/win32/Win32FileSystem.h"

#include <algorithm>
#include <memory>
#include <type_traits>
#include <vector>

#include "platform/win32/FolderGuard.h"
#include "platform/win32/OwnedHandle.h"
#include "platform/win32/PrivateDirectorySecurity.h"
#include "platform/win32/ShellCalls.h"
#include "platform/win32/SystemFolder.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32TextConversion.h"
// clang-format off
#include "platform/win32/WindowsApi.h"
// clang-format on

namespace platform::win32 {

namespace {

OwnedHandle OpenFile(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
  return OwnedHandle(CreateFileA(path.c_str(), access, share, nullptr, disposition,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
    DWORD done = 0;
    if (!::WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done == 0) {
      return false;
    }
    written += done;
  }
  return true;
}

// Calls a "fill this buffer of that size" function of the system until the answer fits.
// `query(buffer, size)` returns the length written, or the size needed when it does not fit.
template <class Query>
std::string QueryGrowing(Query query) {
  std::vector<char> buffer(MAX_PATH + 1);
  for (int attempt = 0; attempt < 8; ++attempt) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = query(buffer.data(), size);
    if (length == 0) return std::string();
    if (length < size) return std::string(buffer.data(), length);
    buffer.assign(static_cast<std::size_t>(length) + 1, '\0');
  }
  return std::string();
}

bool ReadToEnd(HANDLE file, std::string& content) {
  char chunk[64 * 1024];
  for (;;) {
    DWORD done = 0;
    if (!::ReadFile(file, chunk, sizeof(chunk), &done, nullptr)) return false;
    if (done == 0) return true;
    content.append(chunk, done);
  }
}

struct FindCloser {
  void operator()(HANDLE search) const { FindClose(search); }
};
using FindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindCloser>;

}  // namespace

Win32FileSystem::~Win32FileSystem() {
  for (const auto& held : m_heldFiles) CloseHandle(held.second);
  for (const auto& held : m_heldFolders) CloseHandle(held.second);
}

std::string Win32FileSystem::GetModuleFileName() {
  // A truncated answer comes back as exactly the buffer's size (with or without a terminator,
  // depending on the system), so the buffer doubles until the path fits with room to spare.
  std::vector<char> buffer(MAX_PATH + 1);
  while (buffer.size() <= 0x10000) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
    if (length == 0) return std::string();
    if (length < size) return std::string(buffer.data(), length);
    buffer.assign(buffer.size() * 2, '\0');
  }
  return std::string();
}

std::string Win32FileSystem::GetSystemDirectory() { return SystemFolder(); }

std::string Win32FileSystem::GetTempPath() {
  return QueryGrowing([](char* buffer, DWORD size) { return GetTempPathA(size, buffer); });
}

std::string Win32FileSystem::GetWindowsDirectory() {
  // The shared Windows folder: on a terminal server GetWindowsDirectory answers a folder of the
  // user's own.
  std::string folder = QueryGrowing(
      [](char* buffer, DWORD size) { return GetSystemWindowsDirectoryA(buffer, size); });
  if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  return folder;
}

namespace {

std::string ShellFolder(int csidl) {
  char folder[MAX_PATH + 1] = {};
  if (!ShellFolderPath(csidl, folder)) return std::string();
  std::string path = folder;
  if (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

}  // namespace

std::string Win32FileSystem::GetCommonAppDataFolder() {
  if (m_commonAppData.empty()) m_commonAppData = ShellFolder(CSIDL_COMMON_APPDATA);
  return m_commonAppData;
}

std::string Win32FileSystem::GetProgramFilesFolder() { return ShellFolder(CSIDL_PROGRAM_FILES); }

std::string Win32FileSystem::GetProfileFolder() { return ShellFolder(CSIDL_PROFILE); }

FolderGuard Win32FileSystem::GuardOf(const std::string& folder) { return ReadFolderGuard(folder); }

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::ReadFile(const std::string& path, std::string& bytes) {
  OwnedHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  if (!file) return false;
  std::string content;
  if (!ReadToEnd(file.get(), content)) return false;
  bytes = std::move(content);
  return true;
}

bool Win32FileSystem::CreateNewFile(const std::string& path, const std::string& bytes) {
  // CREATE_NEW fails on any existing name, a planted link included, so only a file made by
  // this call is ever written.
  OwnedHandle file = OpenFile(path, GENERIC_WRITE, 0, CREATE_NEW);
  if (!file) return false;
  if (WriteAll(file.get(), bytes)) return true;
  file.reset();
  DeleteFileA(path.c_str());
  return false;
}

bool Win32FileSystem::DeleteFile(const std::string& path) {
  return DeleteFileA(path.c_str()) != FALSE;
}

bool Win32FileSystem::HoldFile(const std::string& path, std::string& bytes) {
  // No write or delete sharing: from here on nobody can change, rename or delete the file, while
  // the programs it is handed to can still read it.
  OwnedHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  if (!file) return false;
  std::string content;
  if (!ReadToEnd(file.get(), content)) return false;
  ReleaseFile(path);
  m_heldFiles[path] = file.release();
  bytes = std::move(content);
  return true;
}

void Win32FileSystem::ReleaseFile(const std::string& path) {
  const auto held = m_heldFiles.find(path);
  if (held == m_heldFiles.end()) return;
  CloseHandle(held->second);
  m_heldFiles.erase(held);
}

bool Win32FileSystem::CreatePrivateDirectory(const std::string& path) {
  PrivateDirectorySecurity security;
  if (!security.Valid()) return false;
  SECURITY_ATTRIBUTES attributes;
  ZeroMemory(&attributes, sizeof(attributes));
  attributes.nLength = sizeof(attributes);
  attributes.lpSecurityDescriptor = security.Descriptor();
  attributes.bInheritHandle = FALSE;
  if (!CreateDirectoryA(path.c_str(), &attributes)) return false;
  // Reading access, so that the handle takes part in the sharing check of every later open.
  HANDLE folder = CreateFileA(path.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (folder == INVALID_HANDLE_VALUE) {
    RemoveDirectoryA(path.c_str());
    return false;
  }
  const auto earlier = m_heldFolders.find(path);
  if (earlier != m_heldFolders.end()) CloseHandle(earlier->second);
  m_heldFolders[path] = folder;
  return true;
}

bool Win32FileSystem::RemoveDirectory(const std::string& path) {
  const auto held = m_heldFolders.find(path);
  if (held != m_heldFolders.end()) {
    CloseHandle(held->second);
    m_heldFolders.erase(held);
  }
  return RemoveDirectoryA(path.c_str()) != FALSE;
}

bool Win32FileSystem::IsPrivateDirectory(const std::string& path) {
  // Made by this process with the private access list and held open since, so nobody can
  // have swapped it (and a system that keeps no access lists, such as Wine, is covered).
  if (m_heldFolders.count(path) > 0) return true;
  return OnlyAdministratorsMayOpen(ReadGuardedFolder(path));
}

std::vector<std::string> Win32FileSystem::FolderNames(const std::string& folder,
                                                      const std::string& prefix) {
  std::vector<std::string> names;
  // The wide calls, so that a look-alike name (a fullwidth hyphen) is not handed back as the
  // plain name of another folder.
  const std::vector<wchar_t> pattern =
      WideFromAnsi(folder + "\\" + prefix + "*", MB_ERR_INVALID_CHARS);
  if (pattern.size() < 2) return names;
  WIN32_FIND_DATAW found;
  HANDLE first = FindFirstFileW(pattern.data(), &found);
  if (first == INVALID_HANDLE_VALUE) return names;
  FindHandle search(first);
  Win32TextConversion conversion;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) continue;
    const std::u16string wide(reinterpret_cast<const char16_t*>(found.cFileName));
    std::string name;
    if (conversion.WideToAnsiExact(wide, name) && name != "." && name != "..") {
      names.push_back(name);
    }
  } while (FindNextFileW(search.get(), &found));
  return names;
}

bool Win32FileSystem::ReplaceFile(const std::string& path, const std::string& bytes) {
  const std::string fresh = path + ".new";
  DeleteFileA(fresh.c_str());  // left over from an interrupted write
  {
    OwnedHandle file = OpenFile(fresh, GENERIC_WRITE, 0, CREATE_NEW);
    if (!file) return false;
    if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
      file.reset();
      DeleteFileA(fresh.c_str());
      return false;
    }
  }
  if (MoveFileExA(fresh.c_str(), path.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileA(fresh.c_str());
  return false;
}

bool Win32FileSystem::GetVolumeFileSystemName(const std::string& root, std::string& name) {
  char fileSystem[256] = {};
  if (!GetVolumeInformationA(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, fileSystem,
                             255)) {
    return false;
  }
  name = fileSystem;
  return true;
}

std::string Win32FileSystem::GetFullPath(const std::string& path) {
  return QueryGrowing([&path](char* buffer, DWORD size) {
    return GetFullPathNameA(path.c_str(), size, buffer, nullptr);
  });
}

bool Win32FileSystem::IsReparsePoint(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

}  // namespace platform::win32
