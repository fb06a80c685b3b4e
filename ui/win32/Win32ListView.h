// The report-style list: rows of text cells, one selectable row, optionally fixed-width columns.
//
// The rows live in this object, not in the system's control: the window is created with
// LVS_OWNERDATA (the factory sets it) and knows only how many rows there are; it asks for the
// texts it paints or is asked for (LVN_GETDISPINFO, answered into the asker's buffer, so that a
// reader in another process gets them too) and for type-to-find matches (LVN_ODFINDITEM). The
// system keeps only the selection and focus. A refresh is then a vector fill and one count.
// The rows' texts lie one after the other in one buffer, each cell ended by a zero character
// (the window shows a text up to its first zero anyway): no allocation of its own per row.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/FormDesign.h"
#include "ui/win32/SubclassHook.h"
#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32ListView : public Win32Control<ui::ListView>, private SubclassHook {
 public:
  // The window style the rows kept here need, beside the look's own.
  static constexpr DWORD kStyle = LVS_OWNERDATA;

  // `pictures` names the icon resources a row may show before its caption.
  void Attach(HWND window, const std::vector<Column>& columns, bool wholeRowSelect,
              const std::vector<std::string>& pictures);

  void Clear() override;
  int InsertRow(int position, const std::string& caption) override;
  void SetCell(int row, int column, const std::string& text) override;
  int AppendRow(std::initializer_list<std::string_view> cells) override;
  int RowCount() const override;
  std::string Cell(int row, int column) const override;
  int SelectedIndex() const override;
  void BeginUpdate() override;
  void EndUpdate() override;
  void SetRowPicture(int row, int picture) override;
  // Where a shortcut menu asked for from the keyboard opens, on the screen.
  POINT SelectedRowCorner() const;

 private:
  bool OnSubclassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& result) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  bool IsFixed(int column) const;
  std::string_view CellText(int row, int column) const;
  int PictureOf(int row, int column) const;
  int FindRow(int start, const std::string& text, bool partial, bool wrap) const;
  // Tells the window how many rows there are, unless a fill is under way.
  void PublishRowCount();
  // Repaints a shown row now, or with the whole list at the end of an update.
  void RedrawRow(int row);
  // Turns redrawing off until the update under way ends, which then repaints the whole list.
  void RepaintAllAtEnd();
  // Widens a column that fits its cells to `text`, with the margins (and the picture) beside it.
  void WidenToCell(int column, std::string_view text);

  // Per column, whether its width stays as made and whether it widens to fit its cells. Held as
  // char: std::vector<bool>'s packed bits bring code of their own for two lists of a few columns.
  std::vector<char> m_fixed;
  std::vector<char> m_fitsCells;
  std::vector<int> m_wanted;  // per column, the width its cells need from the update under way
  // Where a row's text can be changed: its cell `column` of row `row`, as offsets into m_text.
  std::size_t CellStart(int row, int column) const;
  // Puts `size` characters more (or fewer, when negative) into the rows after `row`.
  void ShiftRowsAfter(int row, std::ptrdiff_t size);

  std::string m_text;                      // every row's cells
  std::vector<std::uint32_t> m_rowStarts;  // where each row begins in m_text
  std::vector<int> m_pictures;             // per row, -1 for none; empty until a row shows one
  std::size_t m_columns = 1;
  int m_updateDepth = 0;
  int m_shownRows = 0;       // the rows the window knows of
  bool m_redrawOff = false;  // the whole list repaints at the end of the update
};

}  // namespace ui::win32
