// Texts travel to and from the share service as UTF-16, handed to it in buffers of a fixed size.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/TextConversion.h"

namespace shares {

// UTF-16 units of a share-service text buffer, terminator included.
constexpr std::size_t kServiceTextCapacity = 255;

// The refusal of a text that does not fit such a buffer; `what` names it ("share name").
inline std::string TooLongText(const std::string& what) {
  return "The " + what + " is too long: it may have at most " +
         std::to_string(kServiceTextCapacity - 1) + " characters.";
}

// A text the service handed out, in the ANSI code page; a missing one (null pointer) is empty.
// For showing only: characters the code page lacks become look-alikes or "?".
inline std::string AnsiOf(platform::TextConversion& text,
                          const std::optional<std::u16string>& wide) {
  return wide ? text.WideToAnsi(*wide) : std::string();
}

// Whether a text fits a share-service text buffer.
inline bool FitsServiceBuffer(const std::u16string& wide) {
  return wide.size() < kServiceTextCapacity;
}

}  // namespace shares
