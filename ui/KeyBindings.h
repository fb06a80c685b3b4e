// Keys a window answers beyond the dialog keys, as data: which key, in which situation, does
// what. One routine picks the binding; each world (Win32 or in-memory) carries it out.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ui {

// Apps: the menu key beside the right Ctrl key.
enum class Key { Tab, Enter, Escape, Delete, PageUp, PageDown, F1, F5, F10, Apps };

// Modifier keys held down with the key, combined with |.
enum Modifiers : unsigned { kNoModifier = 0, kCtrl = 1, kShift = 2 };

enum class KeyAction {
  Click,         // as a click on `target`: a button or a menu entry
  Close,         // as the close box of the window
  NextPage,      // the tab control `target` shows its next page, after the last the first
  PreviousPage,  // ... its previous page, before the first the last
  ShowHelp,      // the help file opens at the page `target` (a page name such as "NewShare.htm")
  ContextMenu,   // the list `target` shows its shortcut menu at its selected row
  Run,           // the window's key command named `target` runs (Form::SetKeyCommand)
};

struct KeyBinding {
  Key key = Key::Enter;
  unsigned modifiers = kNoModifier;
  KeyAction action = KeyAction::Click;
  std::string target;
  // Conditions; empty: always. The focus is on `whenFocusIn` or a control inside it.
  std::string whenFocusIn;
  // `whenShown` (a page) is on the screen.
  std::string whenShown;
};

// A binding as constant table data; "" stands for no target or no condition.
struct KeyEntry {
  Key key;
  unsigned modifiers;
  KeyAction action;
  const char* target;
  const char* whenFocusIn = "";
  const char* whenShown = "";
};

// Control names asked about by FindKeyBinding: does the focus lie in it, is it shown.
using ControlQuery = std::function<bool(const std::string& name)>;

// The first binding of `table` for `key` with exactly `modifiers` whose conditions hold;
// nullptr when none does.
const KeyBinding* FindKeyBinding(const std::vector<KeyBinding>& table, Key key, unsigned modifiers,
                                 const ControlQuery& focusIn, const ControlQuery& shown);

// Enter with no modifier presses the focused button in every window, when the window's table
// binds nothing else to it there: Space alone is what the system's buttons answer.
inline bool PressesFocusedButton(Key key, unsigned modifiers) {
  return key == Key::Enter && modifiers == kNoModifier;
}

// The index the page control goes to from `active` of `count` pages for a page key.
int PageAfterKey(KeyAction action, int active, int count);

}  // namespace ui
