// Modal message boxes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace platform {

// MessageBoxA style bits and answers the program uses.
namespace mb {
constexpr std::uint32_t kOk = 0x0;
constexpr std::uint32_t kOkCancel = 0x1;
constexpr std::uint32_t kIconStop = 0x10;
constexpr std::uint32_t kIconQuestion = 0x20;
constexpr std::uint32_t kIconWarning = 0x30;
constexpr std::uint32_t kIconInformation = 0x40;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
}  // namespace mb

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // MessageBoxA(owner, text, caption, style); returns the button that closed the box.
  virtual int Show(Handle owner, const std::string& text, const std::string& caption,
                   std::uint32_t style) = 0;
};

}  // namespace platform
