// Push buttons, speed buttons (which never take the keyboard focus) and radio buttons.
#pragma once

#include <memory>

#include "ui/win32/PictureIcon.h"
#include "ui/win32/SubclassHook.h"
#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32Button : public Win32Control<ui::Button>, private SubclassHook {
 public:
  // A speed button hands the focus straight back to the window that had it.
  void Attach(HWND window, bool takesFocus);
  // Shows `picture` to the left of the caption. Where the button cannot show pictures (the
  // common controls before version 6), the caption stands alone.
  void SetPicture(const PictureIcon& picture);
  void OnCommand(HWND from, UINT code) override;

 private:
  bool OnSubclassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& result) override;

  static void ReleaseImageList(void* list);
  // The button only borrows its image list; the list goes after the button's window, which the
  // form destroys before it releases its control objects.
  std::unique_ptr<void, void (*)(void*)> m_pictures{nullptr, &ReleaseImageList};
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
