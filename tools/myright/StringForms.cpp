// The tool's calls in the forms of the standard library, for callers that hold strings and
// streams. The program itself does without them: they would make up most of its size.
#include <ostream>

#include "tools/myright/ProgramArguments.h"
#include "tools/myright/RightsCommand.h"
#include "tools/myright/RightsTool.h"
#include "tools/myright/Sid.h"

namespace myright {

namespace {

std::vector<const char*> Pointers(const std::vector<std::string>& words) {
  std::vector<const char*> pointers;
  for (const std::string& word : words) pointers.push_back(word.c_str());
  return pointers;
}

class StreamOutput : public Output {
 public:
  explicit StreamOutput(std::ostream& stream) : stream_(stream) {}
  void Write(const char* text) override { stream_ << text; }

 private:
  std::ostream& stream_;
};

}  // namespace

std::vector<std::string> ArgumentsAfterProgramName(const std::vector<std::string>& argv,
                                                   const std::string& programPath) {
  const std::vector<const char*> words = Pointers(argv);
  const int first =
      FirstArgument(static_cast<int>(words.size()), words.data(), programPath.c_str());
  return std::vector<std::string>(argv.begin() + first, argv.end());
}

ParsedCommandLine ParseRightsCommandLine(const std::vector<std::string>& args) {
  const std::vector<const char*> words = Pointers(args);
  return ParseRightsCommandLine(static_cast<int>(words.size()), words.data());
}

int RunRightsTool(const std::vector<std::string>& args, SecurityPolicy& policy, std::ostream& out,
                  std::ostream& err) {
  const std::vector<const char*> words = Pointers(args);
  StreamOutput outText(out);
  StreamOutput errText(err);
  return RunRightsTool(static_cast<int>(words.size()), words.data(), policy, outText, errText);
}

std::string FormatSid(const Sid& sid) { return SidToText(sid).text; }

}  // namespace myright
