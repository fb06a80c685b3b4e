#include "ui/win32/EventDispatch.h"

#include <utility>

namespace ui::win32 {

namespace {
std::function<void(const std::exception&)>& UnhandledHandler() {
  static std::function<void(const std::exception&)> handler;
  return handler;
}
}  // namespace

void SetUnhandledExceptionHandler(std::function<void(const std::exception&)> handler) {
  UnhandledHandler() = std::move(handler);
}

void ReportUnhandled(const std::exception& error) noexcept {
  try {
    if (UnhandledHandler()) UnhandledHandler()(error);
  } catch (...) {
    // The reporter itself failed; there is nobody left to tell.
  }
}

void Fire(const Event& event) {
  if (!event) return;
  Guarded(0, [&event] {
    event();
    return 0;
  });
}

}  // namespace ui::win32
