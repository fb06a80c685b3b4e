// In-memory windows built from a FormDesign, and the factory a test hands to the program.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/memory/MemoryControls.h"

namespace ui::memory {

class MemoryForm : public Form {
 public:
  MemoryForm(MemoryFormFactory& factory, const FormDesign& spec, platform::Handle owner);
  ~MemoryForm() override;
  Window& window() override { return *m_window; }
  Control* FindControl(const std::string& name) override;
  MenuItem* FindMenuItem(const std::string& name) override;

  MemoryWindow& memoryWindow() { return *m_window; }
  const FormDesign& spec() const { return m_spec; }
  platform::Handle owner() const { return m_owner; }

  template <class T>
  T& Memory(const std::string& name) {
    return dynamic_cast<T&>(Get<Control>(name));
  }
  MemoryMenuItem& MemoryMenu(const std::string& name) {
    return dynamic_cast<MemoryMenuItem&>(Menu(name));
  }

  // A key pressed with the focus on the control `focused` (empty: on none), as the window's
  // key bindings take it. Returns false when no binding applies or the window is busy.
  bool PressKey(Key key, unsigned modifiers, const std::string& focused);

 private:
  MemoryFormFactory& m_factory;
  FormDesign m_spec;
  platform::Handle m_owner;
  std::unique_ptr<MemoryWindow> m_window;
  std::map<std::string, std::unique_ptr<Control>> m_controls;
  std::map<std::string, std::unique_ptr<MemoryMenuItem>> m_menu;
};

class MemoryFormFactory : public FormFactory {
 public:
  std::unique_ptr<Form> CreateForm(const FormDesign& spec, platform::Handle owner) override;

  // What the user does while a modal window is shown; when it returns without closing the
  // window, the user is taken to have pressed the close box.
  std::function<void(MemoryForm&)> onShowModal;
  // What the user sees as a window comes on the screen, before acting on it.
  std::function<void(MemoryForm&)> onWindowShown;
  // How the text fields made from now on read their ANSI text in UTF-16; Latin-1 when empty.
  AnsiReader ansiReader;
  // The user's choice in the next shortcut menu (its entry id; 0 dismisses it), and the
  // entries of every shortcut menu shown.
  int popupChoice = 0;
  std::vector<std::vector<PopupEntry>> popupsShown;

  // Forms alive now, oldest first.
  const std::vector<MemoryForm*>& LiveForms() const { return m_live; }
  // How many forms of that class were ever created.
  int CreatedCount(const std::string& className) const;

  platform::Handle NextHandle() { return ++m_lastHandle; }

 private:
  friend class MemoryForm;
  std::vector<MemoryForm*> m_live;
  std::map<std::string, int> m_created;
  platform::Handle m_lastHandle = 0x1000;
};

}  // namespace ui::memory
