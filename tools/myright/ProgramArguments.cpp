#include "tools/myright/ProgramArguments.h"

#include <cstddef>

#include "tools/myright/Text.h"

namespace myright {

namespace {

// Far beyond the longest path Windows hands out; a longer one matches no words.
constexpr std::size_t kRoom = 1024;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Appends `text` lower case, runs of blanks as one blank.
void AppendNormalized(TextBuffer& out, const char* text) {
  bool afterBlank = false;
  for (; *text != '\0'; ++text) {
    if (IsBlank(*text)) {
      if (!afterBlank) out.AppendChar(' ');
      afterBlank = true;
    } else {
      out.AppendChar(LowerAscii(*text));
      afterBlank = false;
    }
  }
}

bool SameText(const char* a, std::size_t aLength, const char* b, std::size_t bLength) {
  if (aLength != bLength) return false;
  for (std::size_t i = 0; i < aLength; ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

}  // namespace

int FirstArgument(int count, const char* const* words, const char* programPath) {
  if (count <= 0) return 0;
  char pathRoom[kRoom];
  TextBuffer path(pathRoom, sizeof pathRoom);
  AppendNormalized(path, programPath);
  if (path.full()) return 1;
  const char suffix[] = ".exe";
  const std::size_t suffixLength = sizeof suffix - 1;
  std::size_t withoutExe = path.size();
  if (path.size() > suffixLength &&
      SameText(path.c_str() + path.size() - suffixLength, suffixLength, suffix, suffixLength)) {
    withoutExe = path.size() - suffixLength;
  }

  char joinedRoom[kRoom];
  TextBuffer joined(joinedRoom, sizeof joinedRoom);
  AppendNormalized(joined, words[0]);
  for (int i = 1; i < count && joined.size() < path.size(); ++i) {
    joined.AppendChar(' ');
    AppendNormalized(joined, words[i]);
    if (joined.full()) break;
    if (SameText(joined.c_str(), joined.size(), path.c_str(), path.size()) ||
        SameText(joined.c_str(), joined.size(), path.c_str(), withoutExe)) {
      return i + 1;
    }
  }
  return 1;
}

}  // namespace myright
