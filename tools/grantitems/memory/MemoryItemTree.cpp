#include "tools/grantitems/memory/MemoryItemTree.h"

#include <cstdio>

namespace grantitems {

namespace {

constexpr SystemError kFileNotFound = 2;

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

class MemoryItem : public OpenItem {
 public:
  MemoryItem(int node, int& open) : node(node), open_(open) { ++open_; }
  ~MemoryItem() override { --open_; }
  const int node;

 private:
  int& open_;
};

int NodeOf(OpenItem& item) { return static_cast<MemoryItem&>(item).node; }

}  // namespace

MemoryItemTree::MemoryItemTree() {
  Node root;
  root.path = "C:";
  root.attributes = kAttributeDirectory;
  root.id = 5;
  nodes.push_back(root);
}

int MemoryItemTree::Add(int parent, const std::string& name, std::uint32_t attributes) {
  Node node;
  node.path = nodes[parent].path + "\\" + name;
  node.attributes = attributes;
  node.id = 100 + nodes.size();
  nodes.push_back(node);
  const int index = static_cast<int>(nodes.size()) - 1;
  nodes[parent].children[Wide(name)] = index;
  return index;
}

int MemoryItemTree::AddFolder(int parent, const std::string& name) {
  return Add(parent, name, kAttributeDirectory);
}

int MemoryItemTree::AddFile(int parent, const std::string& name) { return Add(parent, name, 0x20); }

int MemoryItemTree::AddLink(int parent, const std::string& name, int target) {
  const int link = Add(parent, name, kAttributeDirectory | kAttributeReparsePoint);
  nodes[link].opensAs = target;
  return link;
}

void MemoryItemTree::Name(int parent, const std::string& name, int node) {
  nodes[parent].children[Wide(name)] = node;
}

ListedItem MemoryItemTree::Listed(const std::u16string& name, int node) const {
  ListedItem item;
  item.name = name;
  item.attributes = nodes[node].attributes;
  item.id = nodes[node].id;
  return item;
}

SystemError MemoryItemTree::OpenDrive(char16_t letter, Purpose, std::unique_ptr<OpenItem>& root) {
  if (letter != u'C') return 3;
  root.reset(new MemoryItem(0, openItems));
  return 0;
}

SystemError MemoryItemTree::Find(OpenItem& folder, const std::u16string& name, ListedItem& found) {
  const auto& children = nodes[NodeOf(folder)].children;
  const auto child = children.find(name);
  if (child == children.end()) return kFileNotFound;
  found = Listed(name, child->second);
  return 0;
}

SystemError MemoryItemTree::List(OpenItem& folder, std::vector<ListedItem>& items) {
  const int node = NodeOf(folder);
  items = {Listed(u".", node), Listed(u"..", 0)};
  for (const auto& child : nodes[node].children) items.push_back(Listed(child.first, child.second));
  return 0;
}

SystemError MemoryItemTree::OpenChild(OpenItem& folder, const std::u16string& name, Purpose,
                                      std::unique_ptr<OpenItem>& child) {
  if (beforeOpen) beforeOpen(name);
  const auto& children = nodes[NodeOf(folder)].children;
  const auto found = children.find(name);
  if (found == children.end()) return kFileNotFound;
  const int node = nodes[found->second].opensAs >= 0 ? nodes[found->second].opensAs : found->second;
  child.reset(new MemoryItem(node, openItems));
  return 0;
}

SystemError MemoryItemTree::Facts(OpenItem& item, ItemFacts& facts) {
  const Node& node = nodes[NodeOf(item)];
  facts.attributes = node.attributes;
  facts.links = node.links;
  facts.volume = volume;
  facts.id = node.id;
  return 0;
}

SystemError MemoryItemTree::AddEntry(OpenItem& item, const myright::Sid& sid,
                                     std::uint32_t accessMask, bool inheritable) {
  const Node& node = nodes[NodeOf(item)];
  if (node.addError != 0) return node.addError;
  grantee = myright::FormatSid(sid);
  char mask[16];
  std::snprintf(mask, sizeof mask, "%x", static_cast<unsigned>(accessMask));
  grants.push_back(node.path + " " + mask + (inheritable ? " +inherit" : ""));
  return 0;
}

}  // namespace grantitems
