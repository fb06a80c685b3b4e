// myright.exe: grants or revokes a user right of an account; "myright -?" tells how.
#include <windows.h>

#include <iostream>
#include <string>
#include <vector>

#include "tools/myright/ProgramArguments.h"
#include "tools/myright/RightsTool.h"
#include "tools/myright/win32/LsaSecurityPolicy.h"

namespace {

std::string ProgramPath() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  // A cut-off path would match no words of the command line, so it is as good as none.
  if (length == 0 || length >= MAX_PATH) return std::string();
  return std::string(path, length);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv, argv + argc);
  myright::LsaSecurityPolicy policy;
  return myright::RunRightsTool(myright::ArgumentsAfterProgramName(words, ProgramPath()), policy,
                                std::cout, std::cerr);
}
