// A kernel object's handle (file, process, token), closed when it goes out of scope. A call that
// failed leaves none: INVALID_HANDLE_VALUE is kept as no handle.
#pragma once

#include <memory>
#include <type_traits>

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};

class OwnedHandle : public std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser> {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(HANDLE handle)
      : unique_ptr(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
};

}  // namespace platform::win32
