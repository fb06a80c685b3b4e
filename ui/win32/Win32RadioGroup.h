// A framed group of options laid out in columns, of which at most one is selected.
#pragma once

#include <vector>

#include "ui/win32/Win32Control.h"

namespace ui::win32 {

class Win32RadioGroup : public Win32Control<ui::RadioGroup> {
 public:
  ~Win32RadioGroup() override;
  // Makes the frame and one option per item inside `container`; option i gets the identifier
  // `id + 1 + i`.
  bool Build(HINSTANCE instance, HWND container, int id, const std::string& caption,
             const std::vector<std::string>& items, int columns, HFONT font);

  std::string Text() const override;
  void SetText(const std::string& text) override;
  void SetEnabled(bool enabled) override;
  int ItemIndex() const override;
  void SetItemIndex(int index) override;
  int ItemCount() const override { return static_cast<int>(m_options.size()); }
  const std::vector<HWND>& Options() const { return m_options; }

  void OnCommand(HWND from, UINT code) override;

 private:
  HWND m_frame = nullptr;
  std::vector<HWND> m_options;
  int m_lastIndex = -1;
};

}  // namespace ui::win32
