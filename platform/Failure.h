// Why a step could not go on, passed up as a value to the handler that started it: our own
// words, and the system's or a tool's code where there is one. The handler returns it to the
// central error report (app::Application), which shows the words. Nothing is thrown: the
// program is built without exceptions.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace platform {

struct Failure {
  explicit Failure(std::string words, long systemCode = 0)
      : message(std::move(words)), code(systemCode) {}

  std::string message;  // as the user reads it
  long code;            // the Win32 or tool code behind it; 0 when there is none
};

// The outcome of a step that gives nothing back: success, or the failure that ended it.
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(Failure failure) : m_failure(std::move(failure)) {}

  bool Succeeded() const { return !m_failure; }
  // Only for a failed status.
  const Failure& failure() const { return *m_failure; }

 private:
  std::optional<Failure> m_failure;
};

// The outcome of a step that gives a value back; the value means something only on success.
template <class T>
class Result {
 public:
  Result(T value) : m_value(std::move(value)) {}
  Result(Failure failure) : m_status(std::move(failure)) {}

  bool Succeeded() const { return m_status.Succeeded(); }
  const T& value() const { return m_value; }
  T& value() { return m_value; }
  const Status& status() const { return m_status; }

 private:
  T m_value{};
  Status m_status;
};

}  // namespace platform
