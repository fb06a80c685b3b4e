// The clipboard.
#pragma once

#include <string>

#include "platform/Types.h"

namespace platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces the clipboard's content with plain text (CF_TEXT), owned by `owner`.
  virtual bool SetText(Handle owner, const std::string& text) = 0;
  // The same with UTF-16 text (CF_UNICODETEXT), for a text the ANSI code page cannot hold.
  virtual bool SetUnicodeText(Handle owner, const std::u16string& text) = 0;
};

}  // namespace platform
