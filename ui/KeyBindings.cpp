#include "ui/KeyBindings.h"

namespace ui {

const KeyBinding* FindKeyBinding(const std::vector<KeyBinding>& table, Key key, unsigned modifiers,
                                 const ControlQuery& focusIn, const ControlQuery& shown) {
  for (const KeyBinding& binding : table) {
    if (binding.key != key || binding.modifiers != modifiers) continue;
    if (!binding.whenFocusIn.empty() && !focusIn(binding.whenFocusIn)) continue;
    if (!binding.whenShown.empty() && !shown(binding.whenShown)) continue;
    return &binding;
  }
  return nullptr;
}

int PageAfterKey(KeyAction action, int active, int count) {
  if (count <= 0) return -1;
  if (active < 0) return 0;
  if (action == KeyAction::NextPage) return (active + 1) % count;
  if (action == KeyAction::PreviousPage) return (active + count - 1) % count;
  return active;
}

}  // namespace ui
