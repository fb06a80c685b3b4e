#include "platform/win32/Win32FolderPicker.h"

#include <cwchar>
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

// In UTF-16: the ANSI call would hand back a fullwidth backslash as a plain one.
std::u16string PathOf(const ITEMIDLIST* list) {
  std::vector<wchar_t> path(MAX_PATH + 1, L'\0');
  if (!SHGetPathFromIDListW(list, path.data())) return std::u16string();
  const wchar_t* begin = path.data();
  return std::u16string(begin, begin + wcslen(begin));
}

}  // namespace

std::optional<std::u16string> BrowseForFolder(const std::string& title) {
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
  std::u16string path = PathOf(chosen.get());
  if (path.empty()) return std::nullopt;
  return path;
}

}  // namespace platform::win32
