// What the grant needs of the file system: folders listed and items opened through handles,
// each child opened relative to its already-open folder without following links, and an entry
// added to the access list of an open item. Every call returns a Windows error code, 0 on
// success; outputs are set on success only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tools/myright/Sid.h"

namespace grantitems {

using SystemError = unsigned long;

constexpr std::uint32_t kAttributeDirectory = 0x10;      // FILE_ATTRIBUTE_DIRECTORY
constexpr std::uint32_t kAttributeReparsePoint = 0x400;  // FILE_ATTRIBUTE_REPARSE_POINT

// One entry of a folder's listing, as the folder reported it.
struct ListedItem {
  std::u16string name;
  std::uint32_t attributes = 0;
  std::uint64_t id = 0;  // the file id on its volume; 0 when the file system gave none
};

// What an open handle reports of the item it holds.
struct ItemFacts {
  std::uint32_t attributes = 0;
  std::uint32_t links = 0;   // the number of names the item has
  std::uint32_t volume = 0;  // the serial number of its volume
  std::uint64_t id = 0;
};

// An open item; closing it is the destructor's job.
class OpenItem {
 public:
  virtual ~OpenItem() = default;
};

// What an item is opened for.
enum class Purpose {
  kPass,    // a folder on the way: listed and passed through, not changed
  kFolder,  // a folder to grant on and list
  kFile,    // a file to grant on
};

class ItemTree {
 public:
  virtual ~ItemTree() = default;
  // The root folder of drive `letter` ('C').
  virtual SystemError OpenDrive(char16_t letter, Purpose purpose,
                                std::unique_ptr<OpenItem>& root) = 0;
  // The entry named `name` of an open folder's listing.
  virtual SystemError Find(OpenItem& folder, const std::u16string& name, ListedItem& found) = 0;
  // Every entry of an open folder's listing, "." and ".." included where the system lists them.
  virtual SystemError List(OpenItem& folder, std::vector<ListedItem>& items) = 0;
  // Opens what `name` names in `folder` now, itself when it is a link.
  virtual SystemError OpenChild(OpenItem& folder, const std::u16string& name, Purpose purpose,
                                std::unique_ptr<OpenItem>& child) = 0;
  virtual SystemError Facts(OpenItem& item, ItemFacts& facts) = 0;
  // Adds `accessMask` for `sid` to the item's access list, keeping the entries there; on a folder
  // the entry is inherited by what is made in it later.
  virtual SystemError AddEntry(OpenItem& item, const myright::Sid& sid, std::uint32_t accessMask,
                               bool inheritable) = 0;
};

}  // namespace grantitems
