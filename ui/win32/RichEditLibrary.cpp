#include "ui/win32/RichEditLibrary.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace ui::win32 {

std::shared_ptr<RichEditLibrary> RichEditLibrary::Acquire() {
  static std::weak_ptr<RichEditLibrary> shared;
  if (auto existing = shared.lock()) return existing;

  const UINT needed = GetSystemDirectoryA(nullptr, 0);
  std::vector<char> folder(needed + 1, '\0');
  const UINT length = GetSystemDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
  if (needed == 0 || length == 0 || length >= folder.size()) {
    throw std::runtime_error("Cannot find the system folder");
  }
  const std::string path = std::string(folder.data(), length) + "\\riched20.dll";
  HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr) throw std::runtime_error("Cannot load " + path);
  std::shared_ptr<RichEditLibrary> library(new RichEditLibrary(module));
  shared = library;
  return library;
}

RichEditLibrary::~RichEditLibrary() { FreeLibrary(m_module); }

}  // namespace ui::win32
