#include "tools/myright/Text.h"

namespace myright {

TextBuffer::TextBuffer(char* buffer, std::size_t size)
    : buffer_(buffer), capacity_(size == 0 ? 0 : size - 1) {
  if (size != 0) buffer_[0] = '\0';
}

TextBuffer& TextBuffer::Append(const char* text) {
  while (*text != '\0') AppendChar(*text++);
  return *this;
}

TextBuffer& TextBuffer::AppendChar(char c) {
  if (length_ < capacity_) {
    buffer_[length_++] = c;
    buffer_[length_] = '\0';
  } else {
    full_ = true;
  }
  return *this;
}

TextBuffer& TextBuffer::AppendNumber(std::uint64_t number) {
  char digits[20];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number != 0);
  while (count > 0) AppendChar(digits[--count]);
  return *this;
}

bool EqualIgnoringCase(const char* a, const char* b) {
  for (; *a != '\0' && *b != '\0'; ++a, ++b) {
    if (LowerAscii(*a) != LowerAscii(*b)) return false;
  }
  return *a == *b;
}

}  // namespace myright
