// A drive held in memory: folders and files with ids, link counts and links, and the entries
// added to their access lists. A link opens as itself unless it is set to open as its target,
// as Wine's file calls do; `beforeOpen` lets a test change the tree between listing and opening.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tools/grantitems/ItemTree.h"

namespace grantitems {

class MemoryItemTree : public ItemTree {
 public:
  struct Node {
    std::string path;  // "C:\\a\\b", for the record of grants
    std::uint32_t attributes = 0;
    std::uint32_t links = 1;
    std::uint64_t id = 0;
    std::map<std::u16string, int> children;
    int opensAs = -1;  // the node a handle to this one holds instead (a followed link)
    SystemError addError = 0;
  };

  MemoryItemTree();  // drive C: with an empty root, node 0
  int AddFolder(int parent, const std::string& name);
  int AddFile(int parent, const std::string& name);
  // A junction or symbolic link in `parent` that leads to `target`.
  int AddLink(int parent, const std::string& name, int target);
  // Makes `name` in `parent` name `node` (another name for it, or a swap).
  void Name(int parent, const std::string& name, int node);

  std::vector<Node> nodes;
  std::uint32_t volume = 7;
  std::function<void(const std::u16string& name)> beforeOpen;
  // Every entry added, in order: "C:\\a\\f.txt 1200a9" ("+inherit" on folders).
  std::vector<std::string> grants;
  std::string grantee;  // the account of the last entry added, "S-1-5-..."
  int openItems = 0;    // handles not closed yet

  SystemError OpenDrive(char16_t letter, Purpose purpose, std::unique_ptr<OpenItem>& root) override;
  SystemError Find(OpenItem& folder, const std::u16string& name, ListedItem& found) override;
  SystemError List(OpenItem& folder, std::vector<ListedItem>& items) override;
  SystemError OpenChild(OpenItem& folder, const std::u16string& name, Purpose purpose,
                        std::unique_ptr<OpenItem>& child) override;
  SystemError Facts(OpenItem& item, ItemFacts& facts) override;
  SystemError AddEntry(OpenItem& item, const myright::Sid& sid, std::uint32_t accessMask,
                       bool inheritable) override;

 private:
  int Add(int parent, const std::string& name, std::uint32_t attributes);
  ListedItem Listed(const std::u16string& name, int node) const;
};

}  // namespace grantitems
