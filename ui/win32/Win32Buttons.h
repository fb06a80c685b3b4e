// Push buttons, speed buttons (which never take the keyboard focus) and radio buttons.
#pragma once

#include "ui/win32/SubclassHook.h"
#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32Button : public Win32Control<ui::Button>, private SubclassHook {
 public:
  // A speed button hands the focus straight back to the window that had it.
  void Attach(HWND window, bool takesFocus);
  void OnCommand(HWND from, UINT code) override;

 private:
  bool OnSubclassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& result) override;
};

class Win32RadioButton : public Win32Control<ui::RadioButton> {
 public:
  bool Checked() const override;
  // Checking one option of a frame unchecks the others, as a click would.
  void SetChecked(bool checked) override;
};

}  // namespace ui::win32
