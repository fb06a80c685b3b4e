// The rich-edit control's library, loaded from the system folder by its full path so that a
// planted copy beside the program or in the current folder is never picked up.
#pragma once

#include <windows.h>

#include <memory>

namespace ui::win32 {

class RichEditLibrary {
 public:
  // The loaded library, shared by every window that holds a rich-text control; the program ends
  // (platform::Fatal) when the system cannot load it.
  static std::shared_ptr<RichEditLibrary> Acquire();

  RichEditLibrary(const RichEditLibrary&) = delete;
  RichEditLibrary& operator=(const RichEditLibrary&) = delete;
  ~RichEditLibrary();

  static constexpr const char* kClassName = "RICHEDIT20A";

 private:
  explicit RichEditLibrary(HMODULE module) : m_module(module) {}
  HMODULE m_module;
};

}  // namespace ui::win32
