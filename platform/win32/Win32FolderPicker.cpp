#include "platform/win32/Win32FolderPicker.h"

#include <memory>
#include <vector>

// clang-format off
#include "platform/win32/WindowsApi.h"
#include <objbase.h>
#include <shlobj.h>
// clang-format on

namespace platform::win32 {
namespace {

struct ItemListFreer {
  void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using ItemList = std::unique_ptr<ITEMIDLIST, ItemListFreer>;

// Restores the previous error mode when the picker has closed.
class CriticalErrorBoxesOff {
 public:
  CriticalErrorBoxesOff() : m_previous(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~CriticalErrorBoxesOff() { SetErrorMode(m_previous); }
  CriticalErrorBoxesOff(const CriticalErrorBoxesOff&) = delete;
  CriticalErrorBoxesOff& operator=(const CriticalErrorBoxesOff&) = delete;

 private:
  UINT m_previous;
};

// The shell's folder picker needs COM on the calling thread; the program uses COM nowhere else,
// so it is set up for the picker alone and taken down again if this call set it up.
class ComForThisThread {
 public:
  ComForThisThread() : m_initialised(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComForThisThread() {
    if (m_initialised) CoUninitialize();
  }
  ComForThisThread(const ComForThisThread&) = delete;
  ComForThisThread& operator=(const ComForThisThread&) = delete;

 private:
  bool m_initialised;
};

std::string PathOf(const ITEMIDLIST* list) {
  std::vector<char> path(MAX_PATH + 1, '\0');
  if (!SHGetPathFromIDListA(list, path.data())) return std::string();
  return std::string(path.data());
}

}  // namespace

std::optional<std::string> BrowseForFolder(const std::string& title) {
  ComForThisThread com;
  std::vector<char> displayName(MAX_PATH + 1, '\0');
  BROWSEINFOA info = {};
  info.hwndOwner = GetActiveWindow();
  // No root: the picker starts at the desktop.
  info.pidlRoot = nullptr;
  info.pszDisplayName = displayName.data();
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;

  ItemList chosen;
  {
    CriticalErrorBoxesOff quiet;
    chosen.reset(SHBrowseForFolderA(&info));
  }
  if (!chosen) return std::nullopt;
  std::string path = PathOf(chosen.get());
  if (path.empty()) return std::nullopt;
  return path;
}

}  // namespace platform::win32
