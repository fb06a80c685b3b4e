// What Plinvo throws when a step cannot go on: a message for the central error report, which
// catches std::exception and shows what().
#pragma once

#include <exception>
#include <string>

namespace platform {

// Not one of the standard error classes on purpose: they keep their message in the runtime's
// older string, and using any of them links in that string and their whole family (about 20 KiB).
class Failure : public std::exception {
 public:
  explicit Failure(std::string message) : m_message(std::move(message)) {}
  const char* what() const noexcept override { return m_message.c_str(); }

 private:
  std::string m_message;
};

}  // namespace platform
