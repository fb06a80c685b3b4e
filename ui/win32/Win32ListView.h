// The report-style list: rows of text cells, one selectable row, optionally fixed-width columns.
#pragma once

#include <vector>

#include "ui/FormDesign.h"
#include "ui/win32/SubclassHook.h"
#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32ListView : public Win32Control<ui::ListView>, private SubclassHook {
 public:
  void Attach(HWND window, const std::vector<Column>& columns, bool wholeRowSelect,
              const std::vector<std::string>& pictures);

  void Clear() override;
  int InsertRow(int position, const std::string& caption) override;
  void SetCell(int row, int column, const std::string& text) override;
  int RowCount() const override;
  std::string Cell(int row, int column) const override;
  int SelectedIndex() const override;
  void BeginUpdate() override;
  void EndUpdate() override;
  void SetRowPicture(int row, int picture) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;

 private:
  bool OnSubclassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& result) override;
  bool IsFixed(int column) const;

  std::vector<bool> m_fixed;
  int m_updateDepth = 0;
};

}  // namespace ui::win32
