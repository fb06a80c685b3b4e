// Push buttons and radio buttons.
#pragma once

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>

#include "ui/win32/ButtonPictures.h"
#include "ui/win32/SubclassHook.h"
#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32Button : public Win32Control<ui::Button>, private SubclassHook {
 public:
  void Attach(HWND window);
  // Shows the picture `name` of `pictures` (`size` pixels square) to the left of the caption;
  // `pictures` must outlive the button's window. A button on a page not shown yet gets it when
  // it is first painted: a picture list is slow to make, and the window shows one page at start.
  // Where the button cannot show pictures (the common controls before version 6), the caption
  // stands alone.
  void SetPicture(ButtonPictures& pictures, const std::string& name, int size);
  void OnCommand(HWND from, UINT code) override;

 private:
  void ShowPicture();
  bool OnSubclassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& result) override;

  ButtonPictures* m_pictures = nullptr;
  std::string m_pictureName;  // until the picture is shown
  int m_pictureSize = 0;
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
