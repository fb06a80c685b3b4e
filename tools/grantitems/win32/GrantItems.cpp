// grantitems.exe: adds an account's rights to a folder item by item; "grantitems" alone tells
// how.
#include <windows.h>

#include <cstdio>

#include "tools/grantitems/ExitCodes.h"
#include "tools/grantitems/GrantTool.h"
#include "tools/grantitems/win32/NtItemTree.h"
#include "tools/myright/win32/LsaSecurityPolicy.h"

namespace {

class StderrOutput : public myright::Output {
 public:
  void Write(const char* text) override { std::fputs(text, stderr); }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  StderrOutput err;
  grantitems::NtItemTree tree;
  if (!tree.Load()) {
    err.Write("grantitems: the system's file calls were not found\n");
    return grantitems::kExitFolderNotGranted;
  }
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
  myright::LsaSecurityPolicy policy;
  return static_cast<int>(grantitems::RunGrantTool(args, policy, tree, err));
}
