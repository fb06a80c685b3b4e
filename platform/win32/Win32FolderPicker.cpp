#include "platform/win32/Win32FolderPicker.h"

#include <cwchar>
#include <memory>
#include <vector>

#include "platform/win32/ShellCalls.h"

namespace platform::win32 {
namespace {

struct ItemListFreer {
  void operator()(ITEMIDLIST* list) const { FreeComMemory(list); }
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

// In UTF-16: the ANSI call would hand back a fullwidth backslash as a plain one.
std::u16string PathOf(const ITEMIDLIST* list) {
  std::vector<wchar_t> path(MAX_PATH + 1, L'\0');
  if (!ShellPathFromItemList(list, path.data())) return std::u16string();
  const wchar_t* begin = path.data();
  return std::u16string(begin, begin + wcslen(begin));
}

}  // namespace

std::optional<std::u16string> BrowseForFolder(const std::string& title) {
  // The shell's folder picker needs COM on the calling thread.
  UseCom();
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
    chosen.reset(ShellBrowseForFolder(info));
  }
  if (!chosen) return std::nullopt;
  std::u16string path = PathOf(chosen.get());
  if (path.empty()) return std::nullopt;
  return path;
}

}  // namespace platform::win32
