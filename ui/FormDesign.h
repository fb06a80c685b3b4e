// A window described as data: its frame, its controls and its menu. One routine per world
// (Win32 or in-memory) turns a FormDesign into live controls.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/KeyBindings.h"

namespace ui {

enum class ControlKind {
  TabControl,   // tabbed page control; its pages are the TabPage controls parented to it
  TabPage,      // text = tab caption
  RadioGroup,   // framed group; text = frame caption, items = options, columns = option columns
  RadioButton,  // text = caption; parented to a GroupBox
  GroupBox,     // frame; text = caption (may be empty)
  Panel,        // container with a 3-D bevel
  Button,       // push button
  Label,        // static text; hyperlink labels have `link` set
  Edit,         // one-line text field
  Memo,         // multi-line text field
  RichText,     // rich-text area
  ListView,     // report-style list
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct Column {
  std::string caption;
  int width = 0;
  bool fixedWidth = false;
  bool fitsCells = false;  // widens to the widest text put in it, so none is cut off
};

struct ControlDesign {
  std::string name;
  ControlKind kind = ControlKind::Label;
  std::string parent;  // empty: the window's client area
  int id = 0;          // the control's Win32 identifier; stable, the end-to-end driver finds it
  Rect rect;           // in the parent's client coordinates; labels with autoSize size to text
  std::string text;
  bool bold = false;
  bool underline = false;
  int fontHeight = 0;  // pixels; 0 inherits the window's font
  int charset = -1;    // -1 inherits; 134 is GB2312
  Color color = kWindowText;
  bool autoSize = false;
  bool centred = false;  // Label: text centred in its rectangle
  // Label: text ends at the right edge of its rectangle; sized to its text, it grows leftwards.
  bool rightAligned = false;
  bool readOnly = false;
  bool visible = true;
  bool wholeRowSelect = false;
  bool verticalScrollBar = false;
  bool noBorder = false;
  bool checked = false;  // RadioButton
  // Button: placed at exactly this size; a caption that does not fit is drawn smaller rather
  // than the button grown (which the buttons of our own are).
  bool fixedSize = false;
  // Button: the name of the program's icon resource shown left of the caption;
  // empty: none.
  std::string picture;
  std::string hint;  // hover hint (tooltip)
  std::vector<std::string> items;
  int columns = 1;
  std::vector<Column> listColumns;
  // ListView: the program's icon resources a row may show before its caption, by position.
  std::vector<std::string> rowPictures;
  int itemIndex = -1;  // RadioGroup's selected option at creation
};

struct MenuDesign {
  std::string name;
  std::string caption;  // '&' marks the access key, shown underlined; "-" makes a separator
                        // line, which has no id and no event
  std::string parent;   // empty: a top-level entry of the menu bar
  int id = 0;
  std::string picture;  // top-level entries: icon resource shown before the caption; empty: none
};

enum class BorderStyle { Single, Dialog };

// The constant tables a window is written in. Each entry holds only literals, so a table is
// data in the program image; FormDesign's Add* members turn it into the design above.

// A control's on/off settings, combined with |.
enum ControlStyle : unsigned {
  kPlain = 0,
  kBold = 1u << 0,
  kUnderline = 1u << 1,
  kAutoSize = 1u << 2,
  kCentred = 1u << 3,
  kRightAligned = 1u << 4,
  kReadOnly = 1u << 5,
  kHidden = 1u << 6,  // not visible
  kWholeRowSelect = 1u << 7,
  kVerticalScrollBar = 1u << 8,
  kNoBorder = 1u << 9,
  kChecked = 1u << 10,
  kFixedSize = 1u << 11,
};

// One row of a window's control table. Settings few controls have (fonts, colours, options,
// list columns, hints, texts known only at run time) are set on the design afterwards.
struct ControlEntry {
  const char* name;
  ControlKind kind;
  const char* parent;  // "": the window's client area
  int id;
  Rect rect;
  const char* text;
  unsigned style = kPlain;        // ControlStyle bits
  const char* picture = nullptr;  // Button: icon resource; nullptr: none
};

// One row of a window's menu table; the fields are those of MenuDesign.
struct MenuEntry {
  const char* name;
  const char* caption;
  const char* parent;  // "": a top-level entry
  int id;
  const char* picture = nullptr;  // nullptr: none
};

struct ColumnEntry {
  const char* caption;
  int width;
  bool fixedWidth = false;
  bool fitsCells = false;
};

// A ListView's columns, in order, from constant entries.
std::vector<Column> Columns(std::initializer_list<ColumnEntry> entries);
// Texts such as a RadioGroup's options or a ListView's row pictures, in order.
std::vector<std::string> Texts(std::initializer_list<const char*> texts);

struct FormDesign {
  std::string className;  // "TfrmMain", ...
  std::string caption;
  int clientWidth = 0;
  int clientHeight = 0;
  bool centreOnScreen = false;
  int left = 0;  // when not centred
  int top = 0;
  BorderStyle border = BorderStyle::Single;
  bool minimizeBox = false;
  std::string fontFace = "MS Sans Serif";
  int fontHeight = 13;
  bool showHints = false;
  std::vector<ControlDesign> controls;
  std::vector<MenuDesign> menu;
  // Keys beyond the dialog keys. Tab and Shift+Tab go through the controls that take focus in
  // the order of `controls`.
  std::vector<KeyBinding> keys;

  // Made and destroyed out of line, so every window shares one copy of that member-wise code.
  FormDesign();
  ~FormDesign();
  FormDesign(const FormDesign& other) = default;
  FormDesign(FormDesign&& other) noexcept = default;
  FormDesign& operator=(const FormDesign& other) = default;
  FormDesign& operator=(FormDesign&& other) noexcept = default;

  // Appends a control and returns it for its other settings. The reference is good only until
  // the next Add.
  ControlDesign& Add(const char* name, ControlKind kind, const char* parent, int id, Rect rect,
                     const char* text);
  // Appends the controls of a constant table, in its order.
  void AddControls(const ControlEntry* table, std::size_t count);
  template <std::size_t N>
  void AddControls(const ControlEntry (&table)[N]) {
    AddControls(table, N);
  }
  void AddMenu(const MenuEntry* table, std::size_t count);
  template <std::size_t N>
  void AddMenu(const MenuEntry (&table)[N]) {
    AddMenu(table, N);
  }
  void AddKeys(const KeyEntry* table, std::size_t count);
  template <std::size_t N>
  void AddKeys(const KeyEntry (&table)[N]) {
    AddKeys(table, N);
  }
  // The control called `name`, for settings its table entry does not carry. A design without
  // it is the program's own fault: platform::Fatal.
  ControlDesign& ControlNamed(const char* name);
};

}  // namespace ui
