#include "ui/win32/Win32ListView.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/SystemLibraries.h"
#include "platform/win32/WideText.h"
#include "ui/win32/CaptionFit.h"
#include "ui/win32/EventDispatch.h"

namespace ui::win32 {

namespace {

bool SameText(std::string_view cell, const std::string& wanted, bool partial) {
  if (partial ? cell.size() < wanted.size() : cell.size() != wanted.size()) return false;
  return wanted.empty() || CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, cell.data(),
                                          static_cast<int>(wanted.size()), wanted.data(),
                                          static_cast<int>(wanted.size())) == CSTR_EQUAL;
}

std::string AnsiOf(const wchar_t* text) {
  if (text == nullptr) return std::string();
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return std::string();
  std::string ansi(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), size, nullptr, nullptr);
  ansi.resize(static_cast<std::size_t>(size) - 1);
  return ansi;
}

void CopyInto(std::string_view text, char* buffer, int size) {
  if (buffer == nullptr || size <= 0) return;
  const std::size_t count = std::min(text.size(), static_cast<std::size_t>(size) - 1);
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
}

void CopyInto(std::string_view text, wchar_t* buffer, int size) {
  if (buffer == nullptr || size <= 0) return;
  lstrcpynW(buffer, platform::win32::WideFromAnsi(std::string(text)).data(), size);
}

// A cell's text as the window shows it: up to its first zero, which would end a row's cell.
std::string_view Shown(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace

void Win32ListView::Attach(HWND window, const std::vector<Column>& columns, bool wholeRowSelect,
                           const std::vector<std::string>& pictures) {
  Win32Control::Attach(window);
  // The image-list calls of the common controls the program loaded (never imported by name).
  const auto create = platform::win32::SystemCall<decltype(&::ImageList_Create)>(
      "comctl32.dll", "ImageList_Create");
  const auto addIcon = platform::win32::SystemCall<decltype(&::ImageList_ReplaceIcon)>(
      "comctl32.dll", "ImageList_ReplaceIcon");
  if (!pictures.empty() && create != nullptr && addIcon != nullptr) {
    // The list destroys its small-picture list when it is destroyed itself.
    const int size = GetSystemMetrics(SM_CXSMICON);
    HIMAGELIST images =
        create(size, size, ILC_COLOR32 | ILC_MASK, static_cast<int>(pictures.size()), 0);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const std::string& name : pictures) {
      HICON icon =
          static_cast<HICON>(LoadImageA(instance, name.c_str(), IMAGE_ICON, size, size, 0));
      if (images != nullptr && icon != nullptr) addIcon(images, -1, icon);
      if (icon != nullptr) DestroyIcon(icon);
    }
    if (images != nullptr) {
      SendMessageA(window, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    }
  }
  if (wholeRowSelect) {
    SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  }
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  for (std::size_t index = 0; index < columns.size(); ++index) {
    LVCOLUMNA column;
    ZeroMemory(&column, sizeof(column));
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    // A column is never narrower than its caption with the header's margins (three edges on
    // either side), unless its width is fixed.
    const int captionWidth =
        CaptionExtent(window, font, columns[index].caption).cx + 6 * GetSystemMetrics(SM_CXEDGE);
    column.cx = columns[index].fixedWidth ? columns[index].width
                                          : std::max(columns[index].width, captionWidth);
    column.pszText = const_cast<char*>(columns[index].caption.c_str());
    column.iSubItem = static_cast<int>(index);
    SendMessageA(window, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
    m_fixed.push_back(columns[index].fixedWidth);
    m_fitsCells.push_back(columns[index].fitsCells);
    m_wanted.push_back(0);
  }
  m_columns = std::max<std::size_t>(1, columns.size());
  Install(window);
}

void Win32ListView::Clear() {
  m_text.clear();
  m_rowStarts.clear();
  m_pictures.clear();
  RepaintAllAtEnd();
  // Also drops the selection and scrolls back to the top, as for a list holding its own rows.
  SendMessageA(m_window, LVM_DELETEALLITEMS, 0, 0);
  m_shownRows = 0;
}

std::size_t Win32ListView::CellStart(int row, int column) const {
  std::size_t start = m_rowStarts[static_cast<std::size_t>(row)];
  for (int skipped = 0; skipped < column; ++skipped) start += std::strlen(&m_text[start]) + 1;
  return start;
}

void Win32ListView::ShiftRowsAfter(int row, std::ptrdiff_t size) {
  for (std::size_t later = static_cast<std::size_t>(row) + 1; later < m_rowStarts.size(); ++later) {
    m_rowStarts[later] = static_cast<std::uint32_t>(m_rowStarts[later] + size);
  }
}

int Win32ListView::InsertRow(int position, const std::string& caption) {
  const int count = RowCount();
  if (position < 0 || position > count) position = count;
  const std::string_view shown = Shown(caption);
  const std::size_t start =
      position == count ? m_text.size() : m_rowStarts[static_cast<std::size_t>(position)];
  std::string row(shown);
  row.append(m_columns, '\0');
  m_text.insert(start, row);
  m_rowStarts.insert(m_rowStarts.begin() + position, static_cast<std::uint32_t>(start));
  ShiftRowsAfter(position, static_cast<std::ptrdiff_t>(row.size()));
  if (!m_pictures.empty()) m_pictures.insert(m_pictures.begin() + position, -1);
  WidenToCell(0, shown);
  if (position == count) {
    PublishRowCount();
    return position;
  }
  // The window keeps the selection by index: a row put above it moves it down with its row.
  const int selected = SelectedIndex();
  RepaintAllAtEnd();
  SendMessageA(m_window, LVM_SETITEMCOUNT, RowCount(), 0);
  m_shownRows = RowCount();
  if (selected >= position) {
    LVITEMA state;
    ZeroMemory(&state, sizeof(state));
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    SendMessageA(m_window, LVM_SETITEMSTATE, selected, reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(m_window, LVM_SETITEMSTATE, selected + 1, reinterpret_cast<LPARAM>(&state));
  }
  if (m_updateDepth == 0) InvalidateRect(m_window, nullptr, TRUE);
  return position;
}

void Win32ListView::SetCell(int row, int column, const std::string& text) {
  if (row < 0 || row >= RowCount() || column < 0 || static_cast<std::size_t>(column) >= m_columns) {
    return;
  }
  const std::size_t start = CellStart(row, column);
  const std::size_t old = std::strlen(&m_text[start]);
  const std::string_view shown = Shown(text);
  m_text.replace(start, old, shown.data(), shown.size());
  ShiftRowsAfter(row, static_cast<std::ptrdiff_t>(shown.size()) - static_cast<std::ptrdiff_t>(old));
  WidenToCell(column, shown);
  RedrawRow(row);
}

int Win32ListView::AppendRow(std::initializer_list<std::string_view> cells) {
  m_rowStarts.push_back(static_cast<std::uint32_t>(m_text.size()));
  std::size_t column = 0;
  for (std::string_view cell : cells) {
    if (column == m_columns) break;  // no such column: dropped
    const std::string_view shown = Shown(cell);
    m_text.append(shown).push_back('\0');
    WidenToCell(static_cast<int>(column), shown);
    ++column;
  }
  m_text.append(m_columns - column, '\0');
  if (!m_pictures.empty()) m_pictures.push_back(-1);
  PublishRowCount();
  return RowCount() - 1;
}

void Win32ListView::WidenToCell(int column, std::string_view text) {
  if (static_cast<std::size_t>(column) >= m_fitsCells.size() || !m_fitsCells[column]) return;
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(m_window, WM_GETFONT, 0, 0));
  int need =
      CaptionExtent(m_window, font, std::string(text)).cx + 6 * GetSystemMetrics(SM_CXEDGE) + 2;
  if (column == 0 && SendMessageA(m_window, LVM_GETIMAGELIST, LVSIL_SMALL, 0) != 0) {
    need += GetSystemMetrics(SM_CXSMICON) + 2 * GetSystemMetrics(SM_CXEDGE);
  }
  if (m_updateDepth > 0) {  // set once, at the end of the update
    m_wanted[static_cast<std::size_t>(column)] =
        std::max(m_wanted[static_cast<std::size_t>(column)], need);
  } else if (need > SendMessageA(m_window, LVM_GETCOLUMNWIDTH, column, 0)) {
    SendMessageA(m_window, LVM_SETCOLUMNWIDTH, column, need);
  }
}

void Win32ListView::SetRowPicture(int row, int picture) {
  if (row < 0 || row >= RowCount()) return;
  m_pictures.resize(m_rowStarts.size(), -1);
  m_pictures[static_cast<std::size_t>(row)] = picture;
  RedrawRow(row);
}

int Win32ListView::PictureOf(int row, int column) const {
  if (column != 0 || row < 0 || static_cast<std::size_t>(row) >= m_pictures.size()) {
    return I_IMAGENONE;
  }
  const int picture = m_pictures[static_cast<std::size_t>(row)];
  return picture >= 0 ? picture : I_IMAGENONE;
}

int Win32ListView::RowCount() const { return static_cast<int>(m_rowStarts.size()); }

std::string_view Win32ListView::CellText(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 0 || static_cast<std::size_t>(column) >= m_columns) {
    return {};
  }
  return std::string_view(&m_text[CellStart(row, column)]);
}

std::string Win32ListView::Cell(int row, int column) const {
  return std::string(CellText(row, column));
}

int Win32ListView::SelectedIndex() const {
  return static_cast<int>(SendMessageA(m_window, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                       MAKELPARAM(LVNI_SELECTED, 0)));
}

POINT Win32ListView::SelectedRowCorner() const {
  // Below the selected row's caption, brought into view; the list's corner when none is.
  POINT corner = {0, 0};
  const int selected = SelectedIndex();
  RECT row = {};
  row.left = LVIR_LABEL;
  if (selected >= 0) {
    SendMessageA(m_window, LVM_ENSUREVISIBLE, selected, FALSE);
    if (SendMessageA(m_window, LVM_GETITEMRECT, selected, reinterpret_cast<LPARAM>(&row))) {
      corner = {row.left, row.bottom};
    }
  }
  ClientToScreen(m_window, &corner);
  return corner;
}

// The window learns of rows added during an update only at its end, and then paints just those,
// so rows added below others cost no repaint of the rows already shown. Whatever changes the
// whole list (emptying it, a row put between others, a shown row changed, a column grown) turns
// redrawing off for the rest of the update, which then repaints the whole list once: on a shown
// list each such change would lay the whole list out again (under Wine about as long as painting
// it).
void Win32ListView::BeginUpdate() { ++m_updateDepth; }

void Win32ListView::EndUpdate() {
  if (m_updateDepth == 0) return;
  if (m_updateDepth == 1) {
    for (std::size_t column = 0; column < m_wanted.size(); ++column) {
      if (m_wanted[column] == 0 ||
          m_wanted[column] <= SendMessageA(m_window, LVM_GETCOLUMNWIDTH, column, 0)) {
        continue;
      }
      RepaintAllAtEnd();
      SendMessageA(m_window, LVM_SETCOLUMNWIDTH, column, m_wanted[column]);
    }
    std::fill(m_wanted.begin(), m_wanted.end(), 0);
  }
  if (--m_updateDepth > 0) return;
  PublishRowCount();
  if (m_redrawOff) {
    SendMessageA(m_window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_window, nullptr, TRUE);
    m_redrawOff = false;
  }
}

void Win32ListView::RepaintAllAtEnd() {
  if (m_updateDepth == 0 || m_redrawOff) return;
  SendMessageA(m_window, WM_SETREDRAW, FALSE, 0);
  m_redrawOff = true;
}

void Win32ListView::RedrawRow(int row) {
  if (row >= m_shownRows) return;  // not shown yet
  if (m_updateDepth > 0) {
    RepaintAllAtEnd();
  } else {
    SendMessageA(m_window, LVM_REDRAWITEMS, row, row);
  }
}

void Win32ListView::PublishRowCount() {
  if (m_updateDepth > 0 || m_shownRows == RowCount()) return;
  // Only rows below the shown ones are new (a clear or an insertion repaints the whole list):
  // the window repaints those of them that are in view, not the whole list.
  SendMessageA(m_window, LVM_SETITEMCOUNT, RowCount(), LVSICF_NOINVALIDATEALL);
  m_shownRows = RowCount();
}

int Win32ListView::FindRow(int start, const std::string& text, bool partial, bool wrap) const {
  const int count = RowCount();
  if (count == 0) return -1;
  if (start < 0 || start >= count) start = 0;
  for (int row = start; row < count; ++row) {
    if (SameText(CellText(row, 0), text, partial)) return row;
  }
  if (!wrap) return -1;
  for (int row = 0; row < start; ++row) {
    if (SameText(CellText(row, 0), text, partial)) return row;
  }
  return -1;
}

bool Win32ListView::OnNotify(const NMHDR& header, LRESULT& result) {
  // The requests below are filled in place: the structure is the list's, passed for answers.
  NMHDR& request = const_cast<NMHDR&>(header);
  switch (header.code) {
    case LVN_GETDISPINFOA: {
      LVITEMA& item = reinterpret_cast<NMLVDISPINFOA&>(request).item;
      if (item.mask & LVIF_TEXT) {
        CopyInto(CellText(item.iItem, item.iSubItem), item.pszText, item.cchTextMax);
      }
      if (item.mask & LVIF_IMAGE) item.iImage = PictureOf(item.iItem, item.iSubItem);
      result = 0;
      return true;
    }
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(request).item;
      if (item.mask & LVIF_TEXT) {
        CopyInto(CellText(item.iItem, item.iSubItem), item.pszText, item.cchTextMax);
      }
      if (item.mask & LVIF_IMAGE) item.iImage = PictureOf(item.iItem, item.iSubItem);
      result = 0;
      return true;
    }
    case LVN_ODFINDITEMA: {
      const auto& find = reinterpret_cast<const NMLVFINDITEMA&>(header);
      const UINT flags = find.lvfi.flags;
      result = (flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || find.lvfi.psz == nullptr
                   ? -1
                   : FindRow(find.iStart, find.lvfi.psz, (flags & LVFI_PARTIAL) != 0,
                             (flags & LVFI_WRAP) != 0);
      return true;
    }
    case LVN_ODFINDITEMW: {
      const auto& find = reinterpret_cast<const NMLVFINDITEMW&>(header);
      const UINT flags = find.lvfi.flags;
      result = (flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || find.lvfi.psz == nullptr
                   ? -1
                   : FindRow(find.iStart, AnsiOf(find.lvfi.psz), (flags & LVFI_PARTIAL) != 0,
                             (flags & LVFI_WRAP) != 0);
      return true;
    }
    case LVN_ITEMCHANGED: {
      // A row newly selected, by the user or by another program acting for one.
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((change.uChanged & LVIF_STATE) != 0 && (change.uNewState & LVIS_SELECTED) != 0 &&
          (change.uOldState & LVIS_SELECTED) == 0) {
        Fire(onSelect);
      }
      result = 0;
      return true;
    }
    case NM_RCLICK:
      Fire(onContextMenu);
      result = 0;
      return true;
    case NM_DBLCLK:
      // A double click on the empty space below the rows is no choice of a row.
      if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0) Fire(onDoubleClick);
      result = 0;
      return true;
    default:
      return false;
  }
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
