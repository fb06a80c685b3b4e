#include "ui/win32/ButtonPictures.h"

#include "platform/win32/SystemLibraries.h"
#include "ui/win32/PictureIcon.h"

namespace ui::win32 {
namespace {

// The image-list calls of the common controls the program loaded (never imported by name).
template <class Function>
Function ImageListCall(const char* name) {
  return platform::win32::SystemCall<Function>("comctl32.dll", name);
}

}  // namespace

ButtonPictures::~ButtonPictures() {
  const auto destroy = ImageListCall<decltype(&::ImageList_Destroy)>("ImageList_Destroy");
  for (const Made& made : m_made) {
    if (made.list != nullptr && destroy != nullptr) destroy(made.list);
  }
}

HIMAGELIST ButtonPictures::List(const std::string& name, int size) {
  if (name.empty()) return nullptr;
  for (const Made& made : m_made) {
    if (made.name == name && made.size == size) return made.list;
  }
  const PictureIcon picture(m_instance, name, size);
  const auto create = ImageListCall<decltype(&::ImageList_Create)>("ImageList_Create");
  const auto replaceIcon =
      ImageListCall<decltype(&::ImageList_ReplaceIcon)>("ImageList_ReplaceIcon");
  if (picture.Empty() || create == nullptr || replaceIcon == nullptr) return nullptr;
  HIMAGELIST list = create(size, size, ILC_COLOR32 | ILC_MASK, 1, 0);
  if (list == nullptr) return nullptr;
  // Kept before it is filled, so that it is released on every way out.
  m_made.push_back(Made{name, size, list});
  // Replacing entry -1 adds the icon at the end.
  if (replaceIcon(list, -1, picture.Handle()) < 0) {
    m_made.back().list = nullptr;
    if (const auto destroy = ImageListCall<decltype(&::ImageList_Destroy)>("ImageList_Destroy")) {
      destroy(list);
    }
    return nullptr;
  }
  return list;
}

}  // namespace ui::win32
