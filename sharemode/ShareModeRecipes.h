// What applying a share mode writes and runs, as data: one recipe per mode, its steps in the
// order they are carried out, read by one routine (ApplyShareMode). The recipes are constant
// tables built by the compiler; nothing here allocates.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sharemode {

// A constant array seen as a range: the values of a step, the steps of a recipe.
template <class Item>
struct ItemList {
  const Item* first = nullptr;
  std::size_t count = 0;

  constexpr ItemList() = default;
  template <std::size_t Count>
  constexpr ItemList(const Item (&items)[Count]) : first(items), count(Count) {}

  const Item* begin() const { return first; }
  const Item* end() const { return first + count; }
};

struct ValueWrite {
  enum class Type { Dword, String };
  const char* name;
  Type type;
  std::uint32_t dword;  // Dword
  const char* text;     // String
};

struct RecipeStep {
  enum class Action { Write, Launch };
  Action action;
  // Write: the key under HKEY_LOCAL_MACHINE, written from the root with a leading backslash,
  // and its values, written in order within one opening of the key.
  const char* keyPath;
  ItemList<ValueWrite> values;
  // Launch: a companion tool of the program folder ("" for a system tool found by the
  // system's search) and what follows it on the command line.
  const char* programFolderTool;
  const char* arguments;
  // Launch: what visitors will find when the tool fails, for the warning that names it.
  const char* failureMeaning;
};

struct Recipe {
  ItemList<RecipeStep> steps;
  const char* resultMessage;
};

// The recipe for a selected mode index: 0 "Stop Share", 1 "Zendry Share", anything else
// (2, and -1 when nothing is selected) "Normal Share".
const Recipe& RecipeFor(int mode);

}  // namespace sharemode
