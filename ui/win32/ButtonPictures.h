// The image lists a window's buttons show their pictures from: one per picture and size, shared
// by every button that shows it. Making one costs the common controls several milliseconds,
// which the main window would otherwise spend again for each of its repeated pictures while it
// starts.
#pragma once

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>
#include <vector>

namespace ui::win32 {

class ButtonPictures {
 public:
  explicit ButtonPictures(HINSTANCE instance) : m_instance(instance) {}
  ButtonPictures(const ButtonPictures&) = delete;
  ButtonPictures& operator=(const ButtonPictures&) = delete;
  // The window and its buttons are gone by then: their form destroys its window first.
  ~ButtonPictures();

  // The image list holding the icon resource `name` at `size` x `size` pixels, kept until this
  // object goes; nullptr when the program has no such picture or the common controls cannot
  // make the list.
  HIMAGELIST List(const std::string& name, int size);

 private:
  struct Made {
    std::string name;
    int size;
    HIMAGELIST list;
  };
  HINSTANCE m_instance;
  std::vector<Made> m_made;
};

}  // namespace ui::win32
