// Texts handed to the share service travel as UTF-16 in buffers of a fixed size.
#pragma once

#include <cstddef>
#include <string>

namespace shares {

// UTF-16 units of a share-service text buffer, terminator included.
constexpr std::size_t kServiceTextCapacity = 255;

// The refusal of a text that does not fit such a buffer; `what` names it ("share name").
inline std::string TooLongText(const std::string& what) {
  return "The " + what + " is too long: it may have at most " +
         std::to_string(kServiceTextCapacity - 1) + " characters.";
}

}  // namespace shares
