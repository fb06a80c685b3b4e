// A window described as data: its frame, its controls and its menu. One routine per world
// (Win32 or in-memory) turns a FormDesign into live controls.
#pragma once

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
  SpeedButton,  // flat button that takes no keyboard focus
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
  // Button, SpeedButton: the name of the program's icon resource shown left of the caption;
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

  // Appends a control and returns it for its other settings. The reference is good only until
  // the next Add.
  ControlDesign& Add(const std::string& name, ControlKind kind, const std::string& parent, int id,
                     Rect rect, const std::string& text) {
    ControlDesign control;
    control.name = name;
    control.kind = kind;
    control.parent = parent;
    control.id = id;
    control.rect = rect;
    control.text = text;
    controls.push_back(control);
    return controls.back();
  }
};

}  // namespace ui
