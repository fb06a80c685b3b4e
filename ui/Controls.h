// The thin control layer: the kinds of control the windows use, written once against these
// interfaces and backed by real Win32 controls or by in-memory ones in the unit tests.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace ui {

using Event = std::function<void()>;

// 0x00BBGGRR, as COLORREF.
using Color = std::uint32_t;
constexpr Color kBlack = 0x000000;
constexpr Color kBlue = 0xFF0000;
constexpr Color kRed = 0x0000FF;
// The system's window-text colour, resolved when painted.
constexpr Color kWindowText = 0xFF000000u;

enum class Cursor { Default, HandPoint };

// Which interface a control offers, so that a window can hand out its controls by name with the
// right interface. Asked instead of the compiler's run-time type information, which the Windows
// build leaves out: it would put a name into the program for every class.
enum class ControlFamily {
  Other,
  Button,
  Label,
  Edit,
  RadioButton,
  RadioGroup,
  RichText,
  ListView,
  TabControl
};

class Control {
 public:
  virtual ~Control() = default;
  virtual ControlFamily Family() const { return ControlFamily::Other; }
  virtual platform::Handle Handle() const = 0;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

class Button : public Control {
 public:
  static constexpr ControlFamily kFamily = ControlFamily::Button;
  ControlFamily Family() const final { return kFamily; }
  Event onClick;
};

class Label : public Control {
 public:
  static constexpr ControlFamily kFamily = ControlFamily::Label;
  ControlFamily Family() const final { return kFamily; }
  virtual Color FontColor() const = 0;
  virtual void SetFontColor(Color color) = 0;
  virtual Cursor CursorKind() const = 0;
  virtual void SetCursor(Cursor cursor) = 0;
  Event onClick;
  Event onMouseEnter;
  Event onMouseLeave;
};

class Edit : public Control {
 public:
  static constexpr ControlFamily kFamily = ControlFamily::Edit;
  ControlFamily Family() const final { return kFamily; }
  // The text in UTF-16, as typed: read as ANSI, characters the code page lacks come back as
  // look-alikes or as the default character.
  virtual std::u16string WideText() const = 0;
};

class RadioButton : public Control {
 public:
  static constexpr ControlFamily kFamily = ControlFamily::RadioButton;
  ControlFamily Family() const final { return kFamily; }
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;
};

// A framed group of options of which at most one is selected; -1 means none.
class RadioGroup : public Control {
 public:
  static constexpr ControlFamily kFamily = ControlFamily::RadioGroup;
  ControlFamily Family() const final { return kFamily; }
  virtual int ItemIndex() const = 0;
  // Out-of-range values are brought into range: above the last option selects the last,
  // negative selects none. Does not fire onClick.
  virtual void SetItemIndex(int index) = 0;
  virtual int ItemCount() const = 0;
  Event onClick;
};

enum class StreamFormat { RichText, PlainText };

class RichText : public Control {
 public:
  static constexpr ControlFamily kFamily = ControlFamily::RichText;
  ControlFamily Family() const final { return kFamily; }
  // Replaces the whole content with `bytes` read in `format` (EM_STREAMIN). Returns false when the
  // control could not read them (nothing is then loaded).
  virtual bool StreamIn(const std::string& bytes, StreamFormat format) = 0;
};

class ListView : public Control {
 public:
  static constexpr ControlFamily kFamily = ControlFamily::ListView;
  ControlFamily Family() const final { return kFamily; }
  virtual void Clear() = 0;
  // Adds a row with its caption at `position` (-1 appends); returns the row's index.
  virtual int InsertRow(int position, const std::string& caption) = 0;
  virtual void SetCell(int row, int column, const std::string& text) = 0;
  // Adds a row of `cells` (the caption first) at the end; returns the row's index.
  virtual int AppendRow(std::initializer_list<std::string_view> cells) {
    int row = -1;
    int column = 0;
    for (std::string_view cell : cells) {
      if (column == 0) {
        row = InsertRow(-1, std::string(cell));
      } else {
        SetCell(row, column, std::string(cell));
      }
      ++column;
    }
    return row;
  }
  virtual int RowCount() const = 0;
  virtual std::string Cell(int row, int column) const = 0;
  // -1 when no row is selected.
  virtual int SelectedIndex() const = 0;
  // Stops repainting between BeginUpdate and EndUpdate, so a long fill paints once.
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;
  Event onDoubleClick;  // a double click on a row
  Event onContextMenu;  // a right click on the list
  // Shows picture `picture` of the design's rowPictures before the row's caption.
  virtual void SetRowPicture(int row, int picture) = 0;
  // The user selected another row (or none).
  Event onSelect;
};

class TabControl : public Control {
 public:
  static constexpr ControlFamily kFamily = ControlFamily::TabControl;
  ControlFamily Family() const final { return kFamily; }
  virtual int ActivePage() const = 0;
  virtual void SetActivePage(int index) = 0;
  virtual int PageCount() const = 0;
};

class MenuItem {
 public:
  virtual ~MenuItem() = default;
  Event onClick;
};

// One entry of a shortcut menu.
struct PopupEntry {
  int id = 0;
  std::string caption;
};

class Window : public Control {
 public:
  // Shows a shortcut menu at the mouse pointer and waits for the choice: the chosen entry's id,
  // 0 when the menu was dismissed.
  virtual int PopupMenu(const std::vector<PopupEntry>& entries) = 0;
  // Closes the window; a modal window's ShowModal then returns.
  virtual void Close() = 0;
  // Shows the window modally with its owner disabled; returns when it has closed.
  virtual void ShowModal() = 0;
  // Lets the window handle the messages waiting for it (a repaint after a label change); one
  // not on the screen yet handles none.
  virtual void ProcessPendingEvents() = 0;
  // Shows a modeless window (the main window, before its message loop runs).
  virtual void Show() = 0;
  // Fired by ShowModal with the owner already disabled, before the window is on the screen: the
  // handler may fill the window and show it itself (Show); ShowModal shows it when it returns.
  Event onShowing;

  // While busy (calls nest), the window shows the wait cursor and takes no input that could
  // start another action or change what the running one uses; it still repaints.
  virtual void SetBusy(bool busy) = 0;
};

// Keeps a window busy for as long as it lives.
class BusyWindow {
 public:
  explicit BusyWindow(Window& window) : m_window(window) { m_window.SetBusy(true); }
  ~BusyWindow() { m_window.SetBusy(false); }
  BusyWindow(const BusyWindow&) = delete;
  BusyWindow& operator=(const BusyWindow&) = delete;

 private:
  Window& m_window;
};

}  // namespace ui
