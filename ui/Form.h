// A live window built from a FormDesign, and the factory that builds one.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/Fatal.h"
#include "ui/Controls.h"
#include "ui/FormDesign.h"

namespace ui {

class Form {
 public:
  virtual ~Form() = default;
  virtual Window& window() = 0;
  // The control or menu entry of that name, nullptr when the design has none.
  virtual Control* FindControl(const std::string& name) = 0;
  virtual MenuItem* FindMenuItem(const std::string& name) = 0;

  template <class T>
  T& Get(const std::string& name) {
    Control* control = FindControl(name);
    if (control == nullptr || !Offers<T>(*control)) NoControl(name);
    return static_cast<T&>(*control);
  }
  MenuItem& Menu(const std::string& name) {
    MenuItem* item = FindMenuItem(name);
    if (item == nullptr) platform::Fatal("form has no menu entry " + name);
    return *item;
  }

  // What a key bound to KeyAction::Run with that name does: a handler of the window's own for
  // a key that must not act as a click on a control would.
  void SetKeyCommand(const std::string& name, Event handler) {
    m_keyCommands[name] = std::move(handler);
  }
  const Event* KeyCommand(const std::string& name) const {
    auto found = m_keyCommands.find(name);
    return found == m_keyCommands.end() ? nullptr : &found->second;
  }

  // Whether `control` offers interface T.
  template <class T>
  static bool Offers(const Control& control) {
    if constexpr (std::is_same_v<T, Control>) {
      return true;
    } else {
      return control.Family() == T::kFamily;
    }
  }

 private:
  std::map<std::string, Event> m_keyCommands;

  [[noreturn]] static void NoControl(const std::string& name) {
    platform::Fatal("form has no control " + name);
  }
};

class FormFactory {
 public:
  virtual ~FormFactory() = default;
  // Builds the window and its controls, hidden. `owner` is 0 for the main window.
  virtual std::unique_ptr<Form> CreateForm(const FormDesign& spec, platform::Handle owner) = 0;

  // Opens the help file at a page (its name, "NewShare.htm"): what a window's ShowHelp key
  // does. The program sets it once; until then the key does nothing.
  std::function<void(const std::string& page)> showHelpPage;
};

}  // namespace ui
