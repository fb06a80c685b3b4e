#include "ui/memory/MemoryForm.h"

#include <algorithm>

namespace ui::memory {
namespace {

std::unique_ptr<Control> MakeControl(const ControlDesign& spec, platform::Handle handle,
                                     const AnsiReader& reader) {
  switch (spec.kind) {
    case ControlKind::TabControl:
      return std::make_unique<MemoryTabControl>(spec, handle);
    case ControlKind::RadioGroup:
      return std::make_unique<MemoryRadioGroup>(spec, handle);
    case ControlKind::RadioButton:
      return std::make_unique<MemoryRadioButton>(spec, handle);
    case ControlKind::Button:
      return std::make_unique<MemoryButton>(spec, handle);
    case ControlKind::Label:
      return std::make_unique<MemoryLabel>(spec, handle);
    case ControlKind::Edit:
    case ControlKind::Memo:
      return std::make_unique<MemoryEdit>(spec, handle, reader);
    case ControlKind::RichText:
      return std::make_unique<MemoryRichText>(spec, handle);
    case ControlKind::ListView:
      return std::make_unique<MemoryListView>(spec, handle);
    case ControlKind::TabPage:
    case ControlKind::GroupBox:
    case ControlKind::Panel:
      break;
  }
  return std::make_unique<MemoryPlainControl>(spec, handle);
}

}  // namespace

MemoryForm::MemoryForm(MemoryFormFactory& factory, const FormDesign& spec, platform::Handle owner)
    : m_factory(factory), m_spec(spec), m_owner(owner) {
  ControlDesign frame;
  frame.name = spec.className;
  frame.text = spec.caption;
  frame.rect = {spec.left, spec.top, spec.clientWidth, spec.clientHeight};
  m_window = std::make_unique<MemoryWindow>(frame, factory.NextHandle(), factory, *this);

  for (const ControlDesign& control : spec.controls) {
    m_controls[control.name] = MakeControl(control, factory.NextHandle(), factory.ansiReader);
  }
  // Pages belong to their tab control; radio buttons know their siblings.
  for (const ControlDesign& control : spec.controls) {
    Control* parent = FindControl(control.parent);
    if (control.kind == ControlKind::TabPage) {
      if (auto* tabs = dynamic_cast<MemoryTabControl*>(parent)) {
        tabs->pages.push_back(m_controls[control.name].get());
      }
    }
    if (control.kind == ControlKind::RadioButton) {
      auto* button = dynamic_cast<MemoryRadioButton*>(m_controls[control.name].get());
      for (const ControlDesign& other : spec.controls) {
        if (other.kind == ControlKind::RadioButton && other.parent == control.parent &&
            other.name != control.name) {
          button->siblings.push_back(
              dynamic_cast<MemoryRadioButton*>(m_controls[other.name].get()));
        }
      }
    }
  }
  for (const MenuDesign& item : spec.menu) {
    if (item.caption != "-") m_menu[item.name] = std::make_unique<MemoryMenuItem>(item);
  }
  factory.m_live.push_back(this);
  ++factory.m_created[spec.className];
}

MemoryForm::~MemoryForm() {
  auto& live = m_factory.m_live;
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

Control* MemoryForm::FindControl(const std::string& name) {
  auto found = m_controls.find(name);
  return found == m_controls.end() ? nullptr : found->second.get();
}

MenuItem* MemoryForm::FindMenuItem(const std::string& name) {
  auto found = m_menu.find(name);
  return found == m_menu.end() ? nullptr : found->second.get();
}

bool MemoryForm::PressKey(Key key, unsigned modifiers, const std::string& focused) {
  if (m_window->Busy()) return false;
  auto designOf = [this](const std::string& name) -> const ControlDesign* {
    for (const ControlDesign& control : m_spec.controls) {
      if (control.name == name) return &control;
    }
    return nullptr;
  };
  auto focusIn = [&](const std::string& name) {
    for (const ControlDesign* at = designOf(focused); at != nullptr; at = designOf(at->parent)) {
      if (at->name == name) return true;
    }
    return false;
  };
  // Shown: visible, and every page on the way up is its tab control's active page.
  auto shown = [&](const std::string& name) {
    for (const ControlDesign* at = designOf(name); at != nullptr; at = designOf(at->parent)) {
      if (at->kind != ControlKind::TabPage) continue;
      auto* tabs = dynamic_cast<MemoryTabControl*>(FindControl(at->parent));
      if (tabs == nullptr || tabs->ActivePage() < 0 ||
          tabs->pages[tabs->ActivePage()] != FindControl(at->name)) {
        return false;
      }
    }
    return designOf(name) != nullptr && designOf(name)->visible;
  };
  const KeyBinding* binding = FindKeyBinding(m_spec.keys, key, modifiers, focusIn, shown);
  if (binding == nullptr) {
    auto* button = dynamic_cast<MemoryButton*>(FindControl(focused));
    if (!PressesFocusedButton(key, modifiers) || button == nullptr) return false;
    button->Click();
    return true;
  }
  switch (binding->action) {
    case KeyAction::Click:
      if (auto* button = dynamic_cast<MemoryButton*>(FindControl(binding->target))) {
        button->Click();
      } else {
        MemoryMenu(binding->target).Click();
      }
      break;
    case KeyAction::Close:
      m_window->Close();
      break;
    case KeyAction::NextPage:
    case KeyAction::PreviousPage: {
      auto& tabs = Get<TabControl>(binding->target);
      tabs.SetActivePage(PageAfterKey(binding->action, tabs.ActivePage(), tabs.PageCount()));
      break;
    }
    case KeyAction::ShowHelp:
      if (m_factory.showHelpPage) m_factory.showHelpPage(binding->target);
      break;
    case KeyAction::Run:
      if (const Event* command = KeyCommand(binding->target)) (*command)();
      break;
    case KeyAction::ContextMenu: {
      auto& list = Get<ListView>(binding->target);
      if (list.onContextMenu) list.onContextMenu();
      break;
    }
  }
  return true;
}

std::unique_ptr<Form> MemoryFormFactory::CreateForm(const FormDesign& spec,
                                                    platform::Handle owner) {
  return std::make_unique<MemoryForm>(*this, spec, owner);
}

int MemoryFormFactory::CreatedCount(const std::string& className) const {
  auto found = m_created.find(className);
  return found == m_created.end() ? 0 : found->second;
}

}  // namespace ui::memory
