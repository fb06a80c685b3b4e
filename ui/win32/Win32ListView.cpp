#include "ui/win32/Win32ListView.h"

#include <commctrl.h>

#include <climits>

#include "ui/win32/EventDispatch.h"

namespace ui::win32 {

void Win32ListView::Attach(HWND window, const std::vector<Column>& columns, bool wholeRowSelect,
                           const std::vector<std::string>& pictures) {
  Win32Control::Attach(window);
  if (!pictures.empty()) {
    // The list destroys its small-picture list when it is destroyed itself.
    const int size = GetSystemMetrics(SM_CXSMICON);
    HIMAGELIST images =
        ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, static_cast<int>(pictures.size()), 0);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const std::string& name : pictures) {
      HICON icon =
          static_cast<HICON>(LoadImageA(instance, name.c_str(), IMAGE_ICON, size, size, 0));
      if (images != nullptr && icon != nullptr) ImageList_AddIcon(images, icon);
      if (icon != nullptr) DestroyIcon(icon);
    }
    if (images != nullptr) {
      SendMessageA(window, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    }
  }
  if (wholeRowSelect) {
    SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  }
  for (std::size_t index = 0; index < columns.size(); ++index) {
    LVCOLUMNA column;
    ZeroMemory(&column, sizeof(column));
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = columns[index].width;
    column.pszText = const_cast<char*>(columns[index].caption.c_str());
    column.iSubItem = static_cast<int>(index);
    SendMessageA(window, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
    m_fixed.push_back(columns[index].fixedWidth);
  }
  Install(window);
}

void Win32ListView::Clear() { SendMessageA(m_window, LVM_DELETEALLITEMS, 0, 0); }

int Win32ListView::InsertRow(int position, const std::string& caption) {
  LVITEMA item;
  ZeroMemory(&item, sizeof(item));
  item.mask = LVIF_TEXT;
  item.iItem = position < 0 ? INT_MAX : position;
  item.pszText = const_cast<char*>(caption.c_str());
  return static_cast<int>(
      SendMessageA(m_window, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void Win32ListView::SetCell(int row, int column, const std::string& text) {
  LVITEMA item;
  ZeroMemory(&item, sizeof(item));
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(m_window, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

int Win32ListView::RowCount() const {
  return static_cast<int>(SendMessageA(m_window, LVM_GETITEMCOUNT, 0, 0));
}

std::string Win32ListView::Cell(int row, int column) const {
  // The answer is the length copied; a full buffer may mean a longer text, so grow and retry.
  std::vector<char> buffer(256);
  while (buffer.size() <= (1u << 20)) {
    LVITEMA item;
    ZeroMemory(&item, sizeof(item));
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    const LRESULT length =
        SendMessageA(m_window, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    if (length < static_cast<LRESULT>(buffer.size()) - 1) {
      return std::string(buffer.data(), length > 0 ? length : 0);
    }
    buffer.assign(buffer.size() * 4, '\0');
  }
  return std::string(buffer.data());
}

int Win32ListView::SelectedIndex() const {
  return static_cast<int>(SendMessageA(m_window, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                       MAKELPARAM(LVNI_SELECTED, 0)));
}

void Win32ListView::BeginUpdate() {
  if (m_updateDepth++ == 0) SendMessageA(m_window, WM_SETREDRAW, FALSE, 0);
}

void Win32ListView::EndUpdate() {
  if (m_updateDepth == 0) return;
  if (--m_updateDepth == 0) {
    SendMessageA(m_window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_window, nullptr, TRUE);
  }
}

void Win32ListView::SetRowPicture(int row, int picture) {
  LVITEMA item;
  ZeroMemory(&item, sizeof(item));
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iImage = picture;
  SendMessageA(m_window, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

bool Win32ListView::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.code != LVN_ITEMCHANGED) return false;
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  if ((change.uChanged & LVIF_STATE) != 0 &&
      ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) != 0 &&
      (change.uNewState & LVIS_SELECTED) != 0) {
    Fire(onSelect);
  }
  result = 0;
  return true;
}

bool Win32ListView::IsFixed(int column) const {
  return column >= 0 && static_cast<std::size_t>(column) < m_fixed.size() && m_fixed[column];
}

bool Win32ListView::OnSubclassMessage(HWND window, UINT message, WPARAM, LPARAM lParam,
                                      LRESULT& result) {
  if (message != WM_NOTIFY) return false;
  // The column header reports to the list itself; a drag or double click on the divider of a
  // fixed-width column is refused before the list acts on it.
  const auto* header = reinterpret_cast<const NMHEADERA*>(lParam);
  if (header == nullptr ||
      header->hdr.hwndFrom != reinterpret_cast<HWND>(SendMessageA(window, LVM_GETHEADER, 0, 0))) {
    return false;
  }
  switch (header->hdr.code) {
    case HDN_BEGINTRACKA:
    case HDN_BEGINTRACKW:
      if (!IsFixed(header->iItem)) return false;
      result = TRUE;  // do not track
      return true;
    case HDN_DIVIDERDBLCLICKA:
    case HDN_DIVIDERDBLCLICKW:
      if (!IsFixed(header->iItem)) return false;
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace ui::win32
