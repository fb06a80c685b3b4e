// In-memory message boxes: recorded in order and answered from a script.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

namespace platform::memory {

struct ShownBox {
  Handle owner = 0;
  std::string text;
  std::string caption;
  std::uint32_t style = 0;
  std::uint32_t Icon() const { return style & 0xF0u; }
  std::uint32_t Buttons() const { return style & 0x0Fu; }
};

class MemoryMessageBoxes : public MessageBoxes {
 public:
  int Show(Handle owner, const std::string& text, const std::string& caption,
           std::uint32_t style) override;

  std::vector<ShownBox> shown;
  // Answers for the next boxes, in order; a box without a scripted answer gets OK.
  std::deque<int> answers;
  // Runs while a box is on the screen (a test looks at the world at that moment).
  std::function<void(const ShownBox&)> whileShown;

  std::vector<std::string> Texts() const;
};

}  // namespace platform::memory
