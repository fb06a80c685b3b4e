#include "ui/FormDesign.h"

#include "platform/Fatal.h"

namespace ui {

std::vector<Column> Columns(std::initializer_list<ColumnEntry> entries) {
  std::vector<Column> columns(entries.size());
  Column* column = columns.data();
  for (const ColumnEntry& entry : entries) {
    column->caption = entry.caption;
    column->width = entry.width;
    column->fixedWidth = entry.fixedWidth;
    column->fitsCells = entry.fitsCells;
    ++column;
  }
  return columns;
}

std::vector<std::string> Texts(std::initializer_list<const char*> texts) {
  return std::vector<std::string>(texts.begin(), texts.end());
}

FormDesign::FormDesign() = default;
FormDesign::~FormDesign() = default;

ControlDesign& FormDesign::Add(const char* name, ControlKind kind, const char* parent, int id,
                               Rect rect, const char* text) {
  ControlDesign& control = controls.emplace_back();
  control.name = name;
  control.kind = kind;
  control.parent = parent;
  control.id = id;
  control.rect = rect;
  control.text = text;
  return control;
}

void FormDesign::AddControls(const ControlEntry* table, std::size_t count) {
  controls.reserve(controls.size() + count);
  for (const ControlEntry* entry = table; entry != table + count; ++entry) {
    ControlDesign& control =
        Add(entry->name, entry->kind, entry->parent, entry->id, entry->rect, entry->text);
    const unsigned style = entry->style;
    control.bold = (style & kBold) != 0;
    control.underline = (style & kUnderline) != 0;
    control.autoSize = (style & kAutoSize) != 0;
    control.centred = (style & kCentred) != 0;
    control.rightAligned = (style & kRightAligned) != 0;
    control.readOnly = (style & kReadOnly) != 0;
    control.visible = (style & kHidden) == 0;
    control.wholeRowSelect = (style & kWholeRowSelect) != 0;
    control.verticalScrollBar = (style & kVerticalScrollBar) != 0;
    control.noBorder = (style & kNoBorder) != 0;
    control.checked = (style & kChecked) != 0;
    control.fixedSize = (style & kFixedSize) != 0;
    if (entry->picture != nullptr) control.picture = entry->picture;
  }
}

void FormDesign::AddMenu(const MenuEntry* table, std::size_t count) {
  std::size_t at = menu.size();
  menu.resize(at + count);
  for (const MenuEntry* entry = table; entry != table + count; ++entry) {
    MenuDesign& item = menu[at++];
    item.name = entry->name;
    item.caption = entry->caption;
    item.parent = entry->parent;
    item.id = entry->id;
    if (entry->picture != nullptr) item.picture = entry->picture;
  }
}

void FormDesign::AddKeys(const KeyEntry* table, std::size_t count) {
  std::size_t at = keys.size();
  keys.resize(at + count);
  for (const KeyEntry* entry = table; entry != table + count; ++entry) {
    KeyBinding& binding = keys[at++];
    binding.key = entry->key;
    binding.modifiers = entry->modifiers;
    binding.action = entry->action;
    binding.target = entry->target;
    binding.whenFocusIn = entry->whenFocusIn;
    binding.whenShown = entry->whenShown;
  }
}

ControlDesign& FormDesign::ControlNamed(const char* name) {
  for (ControlDesign& control : controls) {
    if (control.name == name) return control;
  }
  platform::Fatal(std::string("the design has no control ") + name);
}

}  // namespace ui
