// The system's folder picker ("Browse for Folder"): a dialog of the program under test with a
// tree of the shell's folders.
#include <windows.h>
// after windows.h, which they need
#include <commctrl.h>
#include <shlobj.h>

#include "Driver.h"

namespace e2e {

namespace {

const DWORD kPollInterval = 50;
const size_t kTextSize = 1024;

HWND FolderTree(HWND dialog) { return FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr); }

HWND VisiblePicker(const Target& target) {
  for (HWND h : TopLevelWindows(target)) {
    if (IsWindowVisible(h) && ClassOf(h) == "#32770" && FolderTree(h) != nullptr) return h;
  }
  return nullptr;
}

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return std::wstring();
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) {
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], n);
  }
  return wide;
}

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) {
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], n,
                        nullptr, nullptr);
  }
  return utf8;
}

// The folder names below the drive, e.g. "share", "folder" for C:\share\folder.
std::vector<std::wstring> FoldersOf(const std::wstring& path) {
  std::vector<std::wstring> names;
  size_t begin = path.find(L'\\');
  while (begin != std::wstring::npos) {
    const size_t end = path.find(L'\\', begin + 1);
    std::wstring name = path.substr(begin + 1, end == std::wstring::npos ? end : end - begin - 1);
    if (!name.empty()) names.push_back(name);
    begin = end;
  }
  return names;
}

// The texts of the selected item and of the items above it, from the tree's top down, in
// UTF-16: folder names may hold characters that the ANSI code page lacks.
bool SelectedBranch(HWND tree, HANDLE process, std::vector<std::wstring>& texts) {
  RemoteBlock block(process, sizeof(TVITEMW) + kTextSize * sizeof(wchar_t));
  if (!block.Valid()) return false;
  LRESULT item = 0;
  if (!SendWithin(tree, TVM_GETNEXTITEM, TVGN_CARET, 0, item)) return false;
  texts.clear();
  while (item != 0) {
    TVITEMW query = {};
    query.mask = TVIF_TEXT;
    query.hItem = reinterpret_cast<HTREEITEM>(item);
    query.pszText = reinterpret_cast<wchar_t*>(block.Address() + sizeof(TVITEMW));
    query.cchTextMax = kTextSize;
    const wchar_t empty = L'\0';
    LRESULT ok = 0;
    if (!block.Write(0, &query, sizeof(query)) ||
        !block.Write(sizeof(TVITEMW), &empty, sizeof(empty)) ||
        !SendWithin(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(block.Address()), ok) || !ok) {
      return false;
    }
    std::vector<wchar_t> text(kTextSize, L'\0');
    if (!block.Read(sizeof(TVITEMW), text.data(), (kTextSize - 1) * sizeof(wchar_t))) {
      return false;
    }
    texts.insert(texts.begin(), std::wstring(text.data()));
    if (!SendWithin(tree, TVM_GETNEXTITEM, TVGN_PARENT, item, item)) return false;
  }
  return true;
}

// Whether the branch ends with the drive's item (its name shows the drive letter) and then the
// folders of the path, as a user sees the folder selected in the tree.
bool BranchShows(const std::vector<std::wstring>& branch, const std::wstring& path) {
  const std::vector<std::wstring> folders = FoldersOf(path);
  if (branch.size() < folders.size() + 1) return false;
  const size_t drive = branch.size() - folders.size() - 1;
  if (branch[drive].find(path.substr(0, 2)) == std::wstring::npos) return false;
  for (size_t i = 0; i < folders.size(); ++i) {
    if (_wcsicmp(branch[drive + 1 + i].c_str(), folders[i].c_str()) != 0) return false;
  }
  return true;
}

std::string Joined(const std::vector<std::wstring>& texts) {
  if (texts.empty()) return "nothing";
  std::string out;
  for (const std::wstring& t : texts) out += (out.empty() ? "" : " > ") + Utf8(t);
  return out;
}

}  // namespace

// The path is UTF-8 (plain ASCII for most tests); the answer's names are too.
Answer Driver::PickFolder(const Words& a) {
  const std::wstring path = Wide(a[0]);
  if (path.size() < 3 || path[1] != L':' || path[2] != L'\\') {
    return Answer::Err("not a folder on a drive: " + a[0]);
  }
  HWND picker = nullptr;
  const DWORD timeout = TimeoutArg(a, 1, 30000);
  const DWORD start = GetTickCount();
  while ((picker = VisiblePicker(target_)) == nullptr) {
    if (GetTickCount() - start >= timeout) return Answer::Err("no folder picker");
    Sleep(kPollInterval);
  }
  HWND tree = FolderTree(picker);
  DWORD pid = 0;
  GetWindowThreadProcessId(picker, &pid);
  KernelHandle process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  const size_t bytes = (path.size() + 1) * sizeof(wchar_t);
  RemoteBlock text(process.Get(), bytes);
  if (!text.Valid() || !text.Write(0, path.c_str(), bytes)) {
    return Answer::Err("cannot reach the program's memory");
  }
  // What the picker does itself for a path handed to it: it opens the tree down to the folder
  // and selects it, as the user does by clicking through the branches. Just after the picker
  // has appeared it may still be setting itself up and ignore the path, so it is asked again
  // until the tree shows the folder selected.
  std::vector<std::wstring> branch;
  while (true) {
    LRESULT ignored = 0;
    if (!SendWithin(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(text.Address()),
                    ignored)) {
      return Answer::Err("cannot hand the path to the picker");
    }
    if (!SelectedBranch(tree, process.Get(), branch)) return Answer::Err("cannot read the tree");
    if (BranchShows(branch, path)) break;
    if (GetTickCount() - start >= timeout) {
      LRESULT items = 0;
      if (SendWithin(tree, TVM_GETCOUNT, 0, 0, items) && items == 0) {
        return Answer::Err("the folder tree is empty");
      }
      return Answer::Err("the tree does not show " + a[0] + " selected but " + Joined(branch));
    }
    Sleep(kPollInterval * 2);
  }

  HWND ok = GetDlgItem(picker, IDOK);
  if (ok == nullptr || !IsWindowVisible(ok)) return Answer::Err("no OK button");
  if (!IsWindowEnabled(ok)) return Answer::Err("disabled");
  PostMessageA(ok, BM_CLICK, 0, 0);
  const DWORD pressed = GetTickCount();
  while (IsWindow(picker) && IsWindowVisible(picker)) {
    if (GetTickCount() - pressed >= 5000) return Answer::Err("the picker stays");
    Sleep(kPollInterval);
  }
  std::vector<std::string> names;
  for (const std::wstring& name : branch) names.push_back(Utf8(name));
  return Answer::Ok(names);
}

}  // namespace e2e
