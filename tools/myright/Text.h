// Text put together in a caller's fixed buffer: the rights tool builds its few lines without the
// heap or the string library, which would make up most of its size.
#pragma once

#include <cstddef>
#include <cstdint>

namespace myright {

// Appends to `buffer` and keeps it terminated; what does not fit is cut off.
class TextBuffer {
 public:
  TextBuffer(char* buffer, std::size_t size);
  TextBuffer& Append(const char* text);
  TextBuffer& AppendChar(char c);
  TextBuffer& AppendNumber(std::uint64_t number);
  std::size_t size() const { return length_; }
  const char* c_str() const { return buffer_; }
  // True once something was cut off.
  bool full() const { return full_; }

 private:
  char* buffer_;
  std::size_t capacity_;  // characters, the terminator not counted
  std::size_t length_ = 0;
  bool full_ = false;
};

// Lower case of an ASCII letter, as the C locale has it; other bytes stay.
inline char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when `a` and `b` are equal, ASCII letters compared without regard to case.
bool EqualIgnoringCase(const char* a, const char* b);

// Where a line of text goes: the console, or a string in the tests.
class Output {
 public:
  virtual void Write(const char* text) = 0;

 protected:
  ~Output() = default;
};

}  // namespace myright
