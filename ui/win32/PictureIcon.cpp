#include "ui/win32/PictureIcon.h"

#include <utility>

namespace ui::win32 {

PictureIcon::PictureIcon(HINSTANCE instance, const std::string& name, int size) {
  if (name.empty()) return;
  m_icon = static_cast<HICON>(LoadImageA(instance, name.c_str(), IMAGE_ICON, size, size, 0));
  if (m_icon != nullptr) m_size = size;
}

PictureIcon::PictureIcon(PictureIcon&& other) noexcept
    : m_icon(std::exchange(other.m_icon, nullptr)), m_size(std::exchange(other.m_size, 0)) {}

PictureIcon& PictureIcon::operator=(PictureIcon&& other) noexcept {
  if (this != &other) {
    if (m_icon != nullptr) DestroyIcon(m_icon);
    m_icon = std::exchange(other.m_icon, nullptr);
    m_size = std::exchange(other.m_size, 0);
  }
  return *this;
}

PictureIcon::~PictureIcon() {
  if (m_icon != nullptr) DestroyIcon(m_icon);
}

}  // namespace ui::win32
