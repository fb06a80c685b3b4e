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

// The folder names below the drive, e.g. "share", "folder" for C:\share\folder.
std::vector<std::string> FoldersOf(const std::string& path) {
  std::vector<std::string> names;
  size_t begin = path.find('\\');
  while (begin != std::string::npos) {
    const size_t end = path.find('\\', begin + 1);
    std::string name = path.substr(begin + 1, end == std::string::npos ? end : end - begin - 1);
    if (!name.empty()) names.push_back(name);
    begin = end;
  }
  return names;
}

// The texts of the selected item and of the items above it, from the tree's top down.
bool SelectedBranch(HWND tree, HANDLE process, std::vector<std::string>& texts) {
  RemoteBlock block(process, sizeof(TVITEMA) + kTextSize);
  if (!block.Valid()) return false;
  LRESULT item = 0;
  if (!SendWithin(tree, TVM_GETNEXTITEM, TVGN_CARET, 0, item)) return false;
  texts.clear();
  while (item != 0) {
    TVITEMA query = {};
    query.mask = TVIF_TEXT;
    query.hItem = reinterpret_cast<HTREEITEM>(item);
    query.pszText = block.Address() + sizeof(TVITEMA);
    query.cchTextMax = kTextSize;
    const char empty = '\0';
    LRESULT ok = 0;
    if (!block.Write(0, &query, sizeof(query)) || !block.Write(sizeof(TVITEMA), &empty, 1) ||
        !SendWithin(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(block.Address()), ok) || !ok ||
        !block.Read(0, &query, sizeof(query))) {
      return false;
    }
    texts.insert(
        texts.begin(),
        block.ReadString(static_cast<size_t>(query.pszText - block.Address()), kTextSize - 1));
    if (!SendWithin(tree, TVM_GETNEXTITEM, TVGN_PARENT, item, item)) return false;
  }
  return true;
}

// Whether the branch ends with the drive's item (its name shows the drive letter) and then the
// folders of the path, as a user sees the folder selected in the tree.
bool BranchShows(const std::vector<std::string>& branch, const std::string& path) {
  const std::vector<std::string> folders = FoldersOf(path);
  if (branch.size() < folders.size() + 1) return false;
  const size_t drive = branch.size() - folders.size() - 1;
  if (branch[drive].find(path.substr(0, 2)) == std::string::npos) return false;
  for (size_t i = 0; i < folders.size(); ++i) {
    if (_stricmp(branch[drive + 1 + i].c_str(), folders[i].c_str()) != 0) return false;
  }
  return true;
}

std::string Joined(const std::vector<std::string>& texts) {
  if (texts.empty()) return "nothing";
  std::string out;
  for (const std::string& t : texts) out += (out.empty() ? "" : " > ") + t;
  return out;
}

}  // namespace

Answer Driver::PickFolder(const Words& a) {
  const std::string& path = a[0];
  if (path.size() < 3 || path[1] != ':' || path[2] != '\\') {
    return Answer::Err("not a folder on a drive: " + path);
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
  RemoteBlock text(process.Get(), path.size() + 1);
  if (!text.Valid() || !text.Write(0, path.c_str(), path.size() + 1)) {
    return Answer::Err("cannot reach the program's memory");
  }
  // What the picker does itself for a path handed to it: it opens the tree down to the folder
  // and selects it, as the user does by clicking through the branches. Just after the picker
  // has appeared it may still be setting itself up and ignore the path, so it is asked again
  // until the tree shows the folder selected.
  std::vector<std::string> branch;
  while (true) {
    LRESULT ignored = 0;
    if (!SendWithin(picker, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(text.Address()),
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
      return Answer::Err("the tree does not show " + path + " selected but " + Joined(branch));
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
  return Answer::Ok(branch);
}

}  // namespace e2e
