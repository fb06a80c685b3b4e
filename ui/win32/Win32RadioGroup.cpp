#include "ui/win32/Win32RadioGroup.h"

#include <algorithm>

#include "ui/win32/ContainerWindow.h"
#include "ui/win32/EventDispatch.h"

namespace ui::win32 {

namespace {

int TextHeight(HWND window, HFONT font) {
  HDC dc = GetDC(window);
  if (dc == nullptr) return 13;
  HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICA metrics;
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return metrics.tmHeight;
}

}  // namespace

bool Win32RadioGroup::Build(HINSTANCE instance, HWND container, int id, const std::string& caption,
                            const std::vector<std::string>& items, int columns, HFONT font) {
  Attach(container);
  SetWindowTextA(container, caption.c_str());
  m_frame = CreateFrame(instance, container, caption.c_str(), font);
  if (m_frame == nullptr) return false;

  // Options fill the frame below its caption column by column, each column holding as many
  // rows as the longest one needs; spare height is shared out above and below.
  RECT client;
  GetClientRect(container, &client);
  const int count = static_cast<int>(items.size());
  const int columnCount = std::max(1, columns);
  const int perColumn = std::max(1, (count + columnCount - 1) / columnCount);
  const int textHeight = TextHeight(container, font);
  const int usable = std::max(0, static_cast<int>(client.bottom) - textHeight - 5);
  const int rowHeight = usable / perColumn;
  const int topMargin = textHeight + 1 + (usable % perColumn) / 2;
  const int columnWidth = std::max(0, static_cast<int>(client.right) - 10) / columnCount;

  for (int index = 0; index < count; ++index) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_AUTORADIOBUTTON |
                        (index == 0 ? WS_GROUP | WS_TABSTOP : 0);
    HWND option = CreateWindowExA(
        0, "BUTTON", items[index].c_str(), style, (index / perColumn) * columnWidth + 8,
        (index % perColumn) * rowHeight + topMargin, columnWidth, rowHeight, container,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id + 1 + index)), instance, nullptr);
    if (option == nullptr) return false;
    SendMessageA(option, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    AttachTarget(option, this);
    m_options.push_back(option);
  }
  // The options were added after the frame; keep the frame beneath them.
  SetWindowPos(m_frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

Win32RadioGroup::~Win32RadioGroup() {
  for (HWND option : m_options) {
    if (TargetOf(option) == this) DetachTarget(option);
  }
}

std::string Win32RadioGroup::Text() const { return WindowText(m_frame); }

void Win32RadioGroup::SetText(const std::string& text) {
  Win32Control::SetText(text);
  SetWindowTextA(m_frame, text.c_str());
}

void Win32RadioGroup::SetEnabled(bool enabled) {
  Win32Control::SetEnabled(enabled);
  EnableWindow(m_frame, enabled ? TRUE : FALSE);
  for (HWND option : m_options) EnableWindow(option, enabled ? TRUE : FALSE);
}

int Win32RadioGroup::ItemIndex() const {
  for (std::size_t index = 0; index < m_options.size(); ++index) {
    if (SendMessageA(m_options[index], BM_GETCHECK, 0, 0) == BST_CHECKED) {
      return static_cast<int>(index);
    }
  }
  return -1;
}

void Win32RadioGroup::SetItemIndex(int index) {
  const int selected = index < 0 ? -1 : std::min(index, ItemCount() - 1);
  for (int option = 0; option < ItemCount(); ++option) {
    SendMessageA(m_options[option], BM_SETCHECK, option == selected ? BST_CHECKED : BST_UNCHECKED,
                 0);
  }
  m_lastIndex = selected;
}

void Win32RadioGroup::OnCommand(HWND from, UINT code) {
  if (from == m_window || code != BN_CLICKED) return;
  // The user's pick, by mouse or by arrow key; picking the selected option again changes
  // nothing and tells nobody.
  const int index = ItemIndex();
  if (index == m_lastIndex) return;
  m_lastIndex = index;
  Fire(onClick);
}

}  // namespace ui::win32
