// A live Win32 window built from a FormDesign, with everything it owns: its controls, menu
// entries, fonts and the hover-hint window.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/win32/ButtonPictures.h"
#include "ui/win32/FontCache.h"
#include "ui/win32/RichEditLibrary.h"
#include "ui/win32/Win32Window.h"

namespace ui::win32 {

class Win32Form : public Form {
 public:
  Win32Form(const std::string& fontFace, HINSTANCE instance)
      : m_fonts(fontFace), m_buttonPictures(instance) {}
  ~Win32Form() override;

  Window& window() override { return m_window; }
  Control* FindControl(const std::string& name) override;
  MenuItem* FindMenuItem(const std::string& name) override;

  Win32Window& win32Window() { return m_window; }
  FontCache& fonts() { return m_fonts; }
  ButtonPictures& buttonPictures() { return m_buttonPictures; }
  // Takes ownership of a control; returns it for the caller to finish.
  template <class T>
  T& Keep(const std::string& name, std::unique_ptr<T> control) {
    T& kept = *control;
    m_controls[name] = std::move(control);
    return kept;
  }
  MenuItem& AddMenuItem(const std::string& name, int id);
  void HoldRichEditLibrary(std::shared_ptr<RichEditLibrary> library) {
    m_richEdit = std::move(library);
  }
  // Carries out the binding of `keys` for a key pressed now, or Enter on the focused button;
  // false when neither applies. `showHelpPage` opens the help file at a page.
  bool PressKey(const std::vector<KeyBinding>& keys, Key key, unsigned modifiers,
                const std::function<void(const std::string&)>& showHelpPage);
  // Shows `text` when the mouse rests on `control`.
  void AddHint(HWND control, const std::string& text);

 private:
  // Declared first so that they go last: the windows above still use them while being destroyed.
  FontCache m_fonts;
  ButtonPictures m_buttonPictures;
  std::shared_ptr<RichEditLibrary> m_richEdit;
  std::map<std::string, std::unique_ptr<Control>> m_controls;
  std::map<std::string, std::unique_ptr<MenuItem>> m_menu;
  HWND m_hints = nullptr;
  Win32Window m_window;
};

}  // namespace ui::win32
