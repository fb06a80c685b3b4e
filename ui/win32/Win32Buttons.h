// Push buttons, speed buttons (which never take the keyboard focus) and radio buttons.
#pragma once

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "ui/win32/SubclassHook.h"
#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32Button : public Win32Control<ui::Button>, private SubclassHook {
 public:
  // A speed button hands the focus straight back to the window that had it.
  void Attach(HWND window, bool takesFocus);
  // Shows the picture of the image list `pictures` (`size` pixels square) to the left of the
  // caption. The list is borrowed: it must outlive the button's window. Where the button cannot
  // show pictures (the common controls before version 6), the caption stands alone.
  void SetPicture(HIMAGELIST pictures, int size);
  void OnCommand(HWND from, UINT code) override;

 private:
  bool OnSubclassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& result) override;
};

// Whether `window` is an option button (a radio button the system checks on a click).
bool IsOptionButton(HWND window);

class Win32RadioButton : public Win32Control<ui::RadioButton> {
 public:
  bool Checked() const override;
  // Checking one option of a frame unchecks the others, as a click would.
  void SetChecked(bool checked) override;
};

}  // namespace ui::win32
