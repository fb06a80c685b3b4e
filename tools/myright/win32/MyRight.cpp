// myright.exe: grants or revokes a user right of an account; "myright -?" tells how.
#include <windows.h>

#include <cstdio>

#include "tools/myright/ProgramArguments.h"
#include "tools/myright/RightsTool.h"
#include "tools/myright/win32/LsaSecurityPolicy.h"

namespace {

// The C runtime's stream, so that line ends reach a console or a file as "\r\n".
class StdioOutput : public myright::Output {
 public:
  explicit StdioOutput(std::FILE* stream) : stream_(stream) {}
  void Write(const char* text) override { std::fputs(text, stream_); }

 private:
  std::FILE* stream_;
};

}  // namespace

int main(int argc, char** argv) {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  // A cut-off path would match no words of the command line, so it is as good as none.
  if (length == 0 || length >= MAX_PATH) path[0] = '\0';
  const int first = myright::FirstArgument(argc, argv, path);
  myright::LsaSecurityPolicy policy;
  StdioOutput out(stdout);
  StdioOutput err(stderr);
  return myright::RunRightsTool(argc - first, argv + first, policy, out, err);
}
