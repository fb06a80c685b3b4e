// In-memory controls: they hold what a real control would show, let a test act as the user
// (Click, Select, MouseEnter ...) and remember what the program did to them.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/FormDesign.h"

namespace ui::memory {

class MemoryFormFactory;

// The state every in-memory control shares.
template <class Base>
class MemoryControl : public Base {
 public:
  MemoryControl(const ControlDesign& spec, platform::Handle handle)
      : m_spec(spec), m_handle(handle), m_text(spec.text), m_visible(spec.visible) {}
  platform::Handle Handle() const override { return m_handle; }
  std::string Text() const override { return m_text; }
  void SetText(const std::string& text) override {
    m_text = text;
    m_textHistory.push_back(text);
  }
  bool Enabled() const override { return m_enabled; }
  void SetEnabled(bool enabled) override { m_enabled = enabled; }

  const ControlDesign& Spec() const { return m_spec; }
  bool Visible() const { return m_visible; }
  // Every text the program set, in order.
  const std::vector<std::string>& TextHistory() const { return m_textHistory; }

 protected:
  ControlDesign m_spec;
  platform::Handle m_handle;
  std::string m_text;
  bool m_enabled = true;
  bool m_visible = true;
  std::vector<std::string> m_textHistory;
};

using MemoryPlainControl = MemoryControl<Control>;
// How a text field's ANSI text reads in UTF-16 (the system's ANSI code page).
using AnsiReader = std::function<std::u16string(const std::string&)>;

class MemoryEdit : public MemoryControl<Edit> {
 public:
  MemoryEdit(const ControlDesign& spec, platform::Handle handle, AnsiReader reader)
      : MemoryControl(spec, handle), m_reader(std::move(reader)) {}
  void SetText(const std::string& text) override {
    m_wide.reset();
    MemoryControl::SetText(text);
  }
  // The typed UTF-16 text, or else the ANSI text as the code page reads it.
  std::u16string WideText() const override {
    if (m_wide) return *m_wide;
    if (m_reader) return m_reader(m_text);
    return std::u16string(m_text.begin(), m_text.end());
  }
  // The user types `wide`; `ansi` is what an ANSI read of the field gives.
  void TypeWide(const std::u16string& wide, const std::string& ansi) {
    m_text = ansi;
    m_wide = wide;
  }

 private:
  AnsiReader m_reader;
  std::optional<std::u16string> m_wide;
};

class MemoryButton : public MemoryControl<Button> {
 public:
  using MemoryControl::MemoryControl;
  // A user's click: a disabled button ignores it.
  void Click();
};

class MemoryLabel : public MemoryControl<Label> {
 public:
  using MemoryControl::MemoryControl;
  Color FontColor() const override { return m_color; }
  void SetFontColor(Color color) override { m_color = color; }
  Cursor CursorKind() const override { return m_cursor; }
  void SetCursor(Cursor cursor) override { m_cursor = cursor; }
  void Click();
  void MouseEnter();
  void MouseLeave();

 private:
  Color m_color = m_spec.color;
  Cursor m_cursor = Cursor::Default;
};

class MemoryRadioButton : public MemoryControl<RadioButton> {
 public:
  MemoryRadioButton(const ControlDesign& spec, platform::Handle handle)
      : MemoryControl(spec, handle), m_checked(spec.checked) {}
  bool Checked() const override { return m_checked; }
  void SetChecked(bool checked) override { m_checked = checked; }
  // A user's click: checks this one and unchecks its siblings.
  void Click();
  std::vector<MemoryRadioButton*> siblings;

 private:
  bool m_checked;
};

class MemoryRadioGroup : public MemoryControl<RadioGroup> {
 public:
  MemoryRadioGroup(const ControlDesign& spec, platform::Handle handle)
      : MemoryControl(spec, handle), m_index(spec.itemIndex) {}
  int ItemIndex() const override { return m_index; }
  void SetItemIndex(int index) override;
  int ItemCount() const override { return static_cast<int>(m_spec.items.size()); }
  // A user's pick of an option.
  void Select(int index);

 private:
  int m_index;
};

class MemoryRichText : public MemoryControl<RichText> {
 public:
  using MemoryControl::MemoryControl;
  // Like the rich-edit control: rich text must start with "{\rtf"; plain text always loads
  // unless the test makes the next streams fail.
  bool StreamIn(const std::string& bytes, StreamFormat format) override;
  StreamFormat LoadedFormat() const { return m_format; }
  int failStreams = 0;  // how many of the next StreamIn calls fail, whatever the content

 private:
  StreamFormat m_format = StreamFormat::PlainText;
};

class MemoryListView : public MemoryControl<ListView> {
 public:
  using MemoryControl::MemoryControl;
  void Clear() override;
  int InsertRow(int position, const std::string& caption) override;
  void SetCell(int row, int column, const std::string& text) override;
  int RowCount() const override { return static_cast<int>(m_rows.size()); }
  std::string Cell(int row, int column) const override;
  int SelectedIndex() const override { return m_selected; }
  void BeginUpdate() override { ++m_updateDepth; }
  void EndUpdate() override;
  void SetRowPicture(int row, int picture) override {
    if (row >= 0 && row < RowCount()) m_pictures[row] = picture;
  }

  // A user's click on a row (-1 clears the selection).
  void Select(int row) {
    m_selected = row;
    if (onSelect) onSelect();
  }
  // The picture the row shows; -1 for none.
  int RowPicture(int row) const {
    auto found = m_pictures.find(row);
    return found == m_pictures.end() ? -1 : found->second;
  }
  void RightClick(int row) {
    m_selected = row;
    if (onContextMenu) onContextMenu();
  }
  void DoubleClick(int row) {
    m_selected = row;
    if (onDoubleClick) onDoubleClick();
  }
  std::vector<std::vector<std::string>> Rows() const { return {m_rows.begin(), m_rows.end()}; }
  // How often the list would have repainted.
  int Repaints() const { return m_repaints; }

 private:
  void Changed();
  // A deque: rows inserted at the top cost as little as rows appended at the bottom.
  std::deque<std::vector<std::string>> m_rows;
  std::map<int, int> m_pictures;
  int m_selected = -1;
  int m_updateDepth = 0;
  bool m_dirty = false;
  int m_repaints = 0;
};

class MemoryTabControl : public MemoryControl<TabControl> {
 public:
  using MemoryControl::MemoryControl;
  int ActivePage() const override { return m_active; }
  void SetActivePage(int index) override { m_active = index; }
  int PageCount() const override { return static_cast<int>(pages.size()); }
  std::vector<Control*> pages;

 private:
  int m_active = 0;
};

class MemoryMenuItem : public MenuItem {
 public:
  explicit MemoryMenuItem(const MenuDesign& spec) : spec(spec) {}
  void Click() {
    if (onClick) onClick();
  }
  MenuDesign spec;
};

class MemoryWindow : public MemoryControl<Window> {
 public:
  MemoryWindow(const ControlDesign& spec, platform::Handle handle, MemoryFormFactory& factory,
               class MemoryForm& form)
      : MemoryControl(spec, handle), m_factory(factory), m_form(form) {}
  void Close() override { m_closed = true; }
  void ShowModal() override;
  void ProcessPendingEvents() override { ++m_pendingEventPasses; }
  void Show() override;
  void SetBusy(bool busy) override { m_busyLevel += busy ? 1 : -1; }
  bool Busy() const { return m_busyLevel > 0; }
  int PopupMenu(const std::vector<PopupEntry>& entries) override;
  bool Closed() const { return m_closed; }
  // On the screen: from Show, or ShowModal's, until a modal window has closed.
  bool Shown() const { return m_shown; }
  int PendingEventPasses() const { return m_pendingEventPasses; }

 private:
  MemoryFormFactory& m_factory;
  class MemoryForm& m_form;
  bool m_closed = false;
  bool m_shown = false;
  int m_busyLevel = 0;
  int m_pendingEventPasses = 0;
};

}  // namespace ui::memory
