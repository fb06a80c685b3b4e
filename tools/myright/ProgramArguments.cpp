#include "tools/myright/ProgramArguments.h"

#include <cctype>
#include <cstddef>

namespace myright {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Lower case, runs of blanks as one blank.
std::string Normalized(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (IsBlank(c)) {
      if (result.empty() || result.back() != ' ') result += ' ';
    } else {
      result += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  return result;
}

std::string WithoutExeSuffix(const std::string& normalizedPath) {
  const std::string suffix = ".exe";
  if (normalizedPath.size() > suffix.size() &&
      normalizedPath.compare(normalizedPath.size() - suffix.size(), suffix.size(), suffix) == 0) {
    return normalizedPath.substr(0, normalizedPath.size() - suffix.size());
  }
  return normalizedPath;
}

}  // namespace

std::vector<std::string> ArgumentsAfterProgramName(const std::vector<std::string>& argv,
                                                   const std::string& programPath) {
  if (argv.empty()) return {};
  std::size_t first = 1;
  const std::string path = Normalized(programPath);
  const std::string pathWithoutExe = WithoutExeSuffix(path);
  std::string joined = Normalized(argv[0]);
  for (std::size_t i = 1; i < argv.size() && joined.size() < path.size(); ++i) {
    joined += ' ' + Normalized(argv[i]);
    if (joined == path || joined == pathWithoutExe) {
      first = i + 1;
      break;
    }
  }
  return std::vector<std::string>(argv.begin() + first, argv.end());
}

}  // namespace myright
