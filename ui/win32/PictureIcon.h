// A picture of the program's own: an icon resource loaded at one size, released with the object.
#pragma once

#include <windows.h>

#include <string>

namespace ui::win32 {

class PictureIcon {
 public:
  PictureIcon() = default;
  // Loads the icon resource `name` of `instance` at `size` x `size` pixels; an empty picture
  // when the program has no such resource or the system cannot make it.
  PictureIcon(HINSTANCE instance, const std::string& name, int size);
  PictureIcon(PictureIcon&& other) noexcept;
  PictureIcon& operator=(PictureIcon&& other) noexcept;
  PictureIcon(const PictureIcon&) = delete;
  PictureIcon& operator=(const PictureIcon&) = delete;
  ~PictureIcon();

  HICON Handle() const { return m_icon; }
  int Size() const { return m_size; }
  bool Empty() const { return m_icon == nullptr; }

 private:
  HICON m_icon = nullptr;
  int m_size = 0;
};

}  // namespace ui::win32
