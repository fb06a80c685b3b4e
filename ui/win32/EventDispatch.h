// Running the program's event handlers from inside window procedures. A C++ exception must not
// unwind through the system's callback frames, so whatever a handler lets escape stops here.
#pragma once

#include <exception>
#include <functional>

#include "ui/Controls.h"

namespace ui::win32 {

// Receives an exception that escaped an event handler. Without one, the exception is dropped.
void SetUnhandledExceptionHandler(std::function<void(const std::exception&)> handler);

// Runs `event` when it is set; never throws.
void Fire(const Event& event);

// Runs `body` and returns its result; an exception is passed to the handler above and
// `fallback` is returned instead.
template <class Result, class Body>
Result Guarded(Result fallback, Body&& body) noexcept;

void ReportUnhandled(const std::exception& error) noexcept;

template <class Result, class Body>
Result Guarded(Result fallback, Body&& body) noexcept {
  try {
    return body();
  } catch (const std::exception& error) {
    ReportUnhandled(error);
  } catch (...) {
  }
  return fallback;
}

}  // namespace ui::win32
