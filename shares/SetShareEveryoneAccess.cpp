#include "shares/SetShareEveryoneAccess.h"

namespace shares {
namespace {

constexpr std::uint32_t kSetAccess = 2;            // SET_ACCESS
constexpr std::uint32_t kContainerInheritAce = 2;  // CONTAINER_INHERIT_ACE
constexpr std::uint32_t kTrusteeIsSid = 0;         // TRUSTEE_IS_SID
constexpr std::uint32_t kTrusteeIsUnknown = 0;     // TRUSTEE_IS_UNKNOWN
// Everyone's well-known identifier: its name differs with the language of Windows.
constexpr const char* kEveryoneSid = "S-1-1-0";

// Memory the security calls hand out, released with LocalFree.
class LocalMemory {
 public:
  explicit LocalMemory(platform::ShareSecurity& security) : m_security(security) {}
  ~LocalMemory() {
    if (m_memory != 0) m_security.LocalFree(m_memory);
  }
  LocalMemory(const LocalMemory&) = delete;
  LocalMemory& operator=(const LocalMemory&) = delete;
  platform::Handle& out() { return m_memory; }

 private:
  platform::ShareSecurity& m_security;
  platform::Handle m_memory = 0;
};

}  // namespace

std::uint32_t SetShareEveryoneAccess(platform::ShareSecurity& security,
                                     const std::string& shareName, std::uint32_t accessMask) {
  platform::Handle oldDacl = 0;  // lives inside the descriptor
  LocalMemory descriptor(security);
  std::uint32_t result = security.GetShareDacl(shareName, oldDacl, descriptor.out());
  if (result != platform::kSuccess) return result;

  platform::ExplicitAccess entry;
  entry.accessPermissions = accessMask;
  entry.accessMode = kSetAccess;
  entry.inheritance = kContainerInheritAce;
  entry.trusteeForm = kTrusteeIsSid;
  entry.trusteeType = kTrusteeIsUnknown;
  entry.trustee = kEveryoneSid;

  LocalMemory newDacl(security);
  result = security.SetEntriesInAcl(entry, oldDacl, newDacl.out());
  if (result != platform::kSuccess) return result;
  return security.SetShareDacl(shareName, newDacl.out());
}

}  // namespace shares
