#include "ui/memory/MemoryControls.h"

#include <algorithm>

#include "ui/memory/MemoryForm.h"

namespace ui::memory {

void MemoryButton::Click() {
  if (m_enabled && onClick) onClick();
}

void MemoryLabel::Click() {
  if (onClick) onClick();
}
void MemoryLabel::MouseEnter() {
  if (onMouseEnter) onMouseEnter();
}
void MemoryLabel::MouseLeave() {
  if (onMouseLeave) onMouseLeave();
}

void MemoryRadioButton::Click() {
  for (MemoryRadioButton* sibling : siblings) sibling->SetChecked(false);
  m_checked = true;
}

void MemoryRadioGroup::SetItemIndex(int index) {
  if (index < 0) index = -1;
  if (index >= ItemCount()) index = ItemCount() - 1;
  m_index = index;
}

void MemoryRadioGroup::Select(int index) {
  SetItemIndex(index);
  if (onClick) onClick();
}

bool MemoryRichText::StreamIn(const std::string& bytes, StreamFormat format) {
  if (failStreams > 0) {
    --failStreams;
    return false;
  }
  if (format == StreamFormat::RichText && bytes.rfind("{\\rtf", 0) != 0) return false;
  m_format = format;
  m_text = bytes;
  m_textHistory.push_back(bytes);
  return true;
}

void MemoryListView::Changed() {
  if (m_updateDepth > 0) {
    m_dirty = true;
  } else {
    ++m_repaints;
  }
}

void MemoryListView::Clear() {
  m_rows.clear();
  m_pictures.clear();
  m_selected = -1;
  Changed();
}

int MemoryListView::InsertRow(int position, const std::string& caption) {
  const int columns = std::max<int>(1, static_cast<int>(m_spec.listColumns.size()));
  std::vector<std::string> row(static_cast<std::size_t>(columns));
  row[0] = caption;
  if (position < 0 || position > RowCount()) position = RowCount();
  m_rows.insert(m_rows.begin() + position, std::move(row));
  if (m_selected >= position) ++m_selected;
  Changed();
  return position;
}

void MemoryListView::SetCell(int row, int column, const std::string& text) {
  if (row < 0 || row >= RowCount() || column < 0) return;
  auto& cells = m_rows[static_cast<std::size_t>(row)];
  if (static_cast<std::size_t>(column) >= cells.size()) return;  // no such column: dropped
  cells[static_cast<std::size_t>(column)] = text;
  Changed();
}

std::string MemoryListView::Cell(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 0) return std::string();
  const auto& cells = m_rows[static_cast<std::size_t>(row)];
  return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)]
                                                         : std::string();
}

void MemoryListView::EndUpdate() {
  if (m_updateDepth > 0 && --m_updateDepth == 0 && m_dirty) {
    m_dirty = false;
    ++m_repaints;
  }
}

int MemoryWindow::PopupMenu(const std::vector<PopupEntry>& entries) {
  m_factory.popupsShown.push_back(entries);
  const int chosen = m_factory.popupChoice;
  m_factory.popupChoice = 0;
  return chosen;
}

void MemoryWindow::Show() {
  if (m_shown) return;
  m_shown = true;
  if (m_factory.onWindowShown) m_factory.onWindowShown(m_form);
}

void MemoryWindow::ShowModal() {
  m_closed = false;
  if (onShowing) onShowing();
  Show();
  if (!m_closed && m_factory.onShowModal) m_factory.onShowModal(m_form);
  m_closed = true;
  m_shown = false;
}

}  // namespace ui::memory
