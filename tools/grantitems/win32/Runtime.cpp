// Memory and the library's error ends for a tool built without exceptions: the C++ runtime's own
// versions would bring its exception machinery along, most of the program's size. Running out
// of memory, or a library misuse, ends the tool with the code of a failed grant; nothing has
// then been reported as done.
#include <windows.h>

#include <cstddef>
#include <new>

#include "tools/grantitems/ExitCodes.h"

namespace {

[[noreturn]] void Stop() { ExitProcess(grantitems::kExitFolderNotGranted); }

void* Allocate(std::size_t size) {
  void* memory = HeapAlloc(GetProcessHeap(), 0, size == 0 ? 1 : size);
  if (memory == nullptr) Stop();
  return memory;
}

void Free(void* memory) {
  if (memory != nullptr) HeapFree(GetProcessHeap(), 0, memory);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* memory) noexcept { Free(memory); }
void operator delete[](void* memory) noexcept { Free(memory); }
void operator delete(void* memory, std::size_t) noexcept { Free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { Free(memory); }

namespace std {
void __throw_bad_alloc() { Stop(); }
void __throw_bad_array_new_length() { Stop(); }
void __throw_length_error(const char*) { Stop(); }
void __throw_logic_error(const char*) { Stop(); }
void __throw_out_of_range_fmt(const char*, ...) { Stop(); }
}  // namespace std
