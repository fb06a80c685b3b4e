// What applying a share mode writes and runs, as data: one recipe per mode, its steps in the
// order they are carried out, read by one routine (ApplyShareMode).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sharemode {

struct ValueWrite {
  enum class Type { Dword, String };
  std::string name;
  Type type = Type::Dword;
  std::uint32_t dword = 0;
  std::string text;
};

struct RecipeStep {
  enum class Action { Write, Launch };
  Action action = Action::Write;
  // Write: the key under HKEY_LOCAL_MACHINE, written from the root with a leading backslash,
  // and its values, written in order within one opening of the key.
  std::string keyPath;
  std::vector<ValueWrite> values;
  // Launch: a companion tool of the program folder (empty for a system tool found by the
  // system's search) and what follows it on the command line.
  std::string programFolderTool;
  std::string arguments;
  // Launch: what visitors will find when the tool fails, for the warning that names it.
  std::string failureMeaning;
};

struct Recipe {
  std::vector<RecipeStep> steps;
  std::string resultMessage;
};

// The recipe for a selected mode index: 0 "Stop Share", 1 "Zendry Share", anything else
// (2, and -1 when nothing is selected) "Normal Share".
const Recipe& RecipeFor(int mode);

}  // namespace sharemode
