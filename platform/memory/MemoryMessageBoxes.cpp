#include "platform/memory/MemoryMessageBoxes.h"

namespace platform::memory {

int MemoryMessageBoxes::Show(Handle owner, const std::string& text, const std::string& caption,
                             std::uint32_t style) {
  shown.push_back(ShownBox{owner, text, caption, style});
  if (whileShown) whileShown(shown.back());
  if (answers.empty()) return mb::kIdOk;
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

std::vector<std::string> MemoryMessageBoxes::Texts() const {
  std::vector<std::string> texts;
  for (const ShownBox& box : shown) texts.push_back(box.text);
  return texts;
}

}  // namespace platform::memory
