#include "platform/memory/MemoryShareSecurity.h"

#include <algorithm>
#include <cctype>

namespace platform::memory {
namespace {

constexpr std::uint32_t kInvalidParameter = 87;
constexpr std::uint32_t kSetAccess = 2;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool PopForced(std::deque<std::uint32_t>& forced, std::uint32_t& result) {
  if (forced.empty()) return false;
  result = forced.front();
  forced.pop_front();
  return result != 0;
}

}  // namespace

Handle MemoryShareSecurity::Allocate(std::vector<ExplicitAccess> entries) {
  const Handle handle = ++m_lastHandle;
  m_lists[handle] = std::move(entries);
  liveAllocations.insert(handle);
  ++allocations;
  return handle;
}

const std::vector<ExplicitAccess>* MemoryShareSecurity::ListAt(Handle dacl) const {
  auto found = m_lists.find(dacl);
  return found == m_lists.end() ? nullptr : &found->second;
}

std::uint32_t MemoryShareSecurity::GetShareDacl(const std::string& share, Handle& dacl,
                                                Handle& descriptor) {
  reads.push_back(share);
  std::uint32_t forced = 0;
  if (PopForced(getResults, forced)) return forced;
  if (readGivesNothing) {
    dacl = 0;
    descriptor = 0;
    return kSuccess;
  }
  descriptor = Allocate({});
  // The list lives inside the descriptor: it has no allocation of its own.
  dacl = ++m_lastHandle;
  m_lists[dacl] = dacls[Lower(share)];
  m_daclOfDescriptor[descriptor] = dacl;
  return kSuccess;
}

std::uint32_t MemoryShareSecurity::SetEntriesInAcl(const ExplicitAccess& entry, Handle oldDacl,
                                                   Handle& newDacl) {
  entriesMerged.push_back(entry);
  std::uint32_t forced = 0;
  if (PopForced(setEntriesResults, forced)) return forced;
  std::vector<ExplicitAccess> entries;
  if (oldDacl != 0) {
    const std::vector<ExplicitAccess>* old = ListAt(oldDacl);
    if (old == nullptr) return kInvalidParameter;
    entries = *old;
  }
  if (entry.accessMode == kSetAccess) {
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const ExplicitAccess& e) {
                                   return e.trusteeForm == entry.trusteeForm &&
                                          e.trustee == entry.trustee;
                                 }),
                  entries.end());
  }
  entries.push_back(entry);
  newDacl = Allocate(std::move(entries));
  return kSuccess;
}

std::uint32_t MemoryShareSecurity::SetShareDacl(const std::string& share, Handle dacl) {
  std::uint32_t forced = 0;
  if (PopForced(setResults, forced)) return forced;
  const std::vector<ExplicitAccess>* list = ListAt(dacl);
  if (list == nullptr || liveAllocations.count(dacl) == 0) return kInvalidParameter;
  writes.push_back({share, *list});
  dacls[Lower(share)] = *list;
  return kSuccess;
}

void MemoryShareSecurity::LocalFree(Handle memory) {
  if (memory == 0) return;  // LocalFree(NULL) does nothing
  if (liveAllocations.erase(memory) == 0) {
    ++badFrees;
    return;
  }
  auto inner = m_daclOfDescriptor.find(memory);
  if (inner != m_daclOfDescriptor.end()) {
    m_lists.erase(inner->second);
    m_daclOfDescriptor.erase(inner);
  }
  m_lists.erase(memory);
}

}  // namespace platform::memory
