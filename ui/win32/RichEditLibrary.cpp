#include "ui/win32/RichEditLibrary.h"

#include <string>

#include "platform/Fatal.h"
#include "platform/win32/SystemFolder.h"
#include "platform/win32/SystemLibraries.h"

namespace ui::win32 {

std::shared_ptr<RichEditLibrary> RichEditLibrary::Acquire() {
  static std::weak_ptr<RichEditLibrary> shared;
  if (auto existing = shared.lock()) return existing;

  const std::string folder = platform::win32::SystemFolder();
  if (folder.empty()) platform::Fatal("Cannot find the system folder");
  const std::string path = folder + "\\riched20.dll";
  HMODULE module = platform::win32::LoadLibraryByFullPath(path);
  if (module == nullptr) platform::Fatal("Cannot load " + path);
  std::shared_ptr<RichEditLibrary> library(new RichEditLibrary(module));
  shared = library;
  return library;
}

RichEditLibrary::~RichEditLibrary() { FreeLibrary(m_module); }

}  // namespace ui::win32
