// Builds real Win32 windows from FormDesigns and runs the program's message loop.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/Form.h"

namespace ui::win32 {

class Win32FormFactory : public FormFactory {
 public:
  // Registers the common controls and the program's container class, and reads the screen's
  // DPI setting, to which every window is scaled.
  explicit Win32FormFactory(HINSTANCE instance);

  // Ends the program (platform::Fatal) when a window cannot be made or the design names a parent
  // that is not a container.
  std::unique_ptr<Form> CreateForm(const FormDesign& spec, platform::Handle owner) override;

  // Handles messages until the main window has been destroyed.
  void RunMessageLoop();

 private:
  // Tab order and the keys of the design.
  void SetUpKeyboard(const FormDesign& spec, class Win32Form& form);

  HINSTANCE m_instance;
  int m_dpi;
};

}  // namespace ui::win32
