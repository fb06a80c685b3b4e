// In-memory code-page conversion, for one of two simulated ANSI code pages:
// - Western (the default): every byte is the UTF-16 unit of the same value, as in Latin-1.
//   Units above 255 have no form of their own; the plain conversion maps the look-alikes that
//   Windows' code page 1252 maps by "best fit" (the fullwidth forms of ASCII to ASCII, so a
//   fullwidth backslash to "\" and "Ｄ" to "D"; modifier double prime to '"', division slash to
//   "/") and turns the rest into "?".
// - Japanese: a few Shift-JIS characters besides ASCII, enough to show texts whose second byte
//   is a backslash; lead bytes are those of code page 932.
#pragma once

#include "platform/TextConversion.h"

namespace platform::memory {

enum class CodePage { Western, Japanese };

class MemoryTextConversion : public TextConversion {
 public:
  bool AnsiToWide(const std::string& ansi, std::u16string& wide, std::size_t capacity) override;
  std::string WideToAnsi(const std::u16string& wide) override;
  bool WideToAnsiExact(const std::u16string& wide, std::string& ansi) override;
  bool IsLeadByte(unsigned char byte) override;

  CodePage codePage = CodePage::Western;

 private:
  // The code page's own form of one character; empty when it has none.
  std::string OwnForm(char16_t unit) const;
};

}  // namespace platform::memory
