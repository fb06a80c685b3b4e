// A local security policy held in memory: accounts by name, the account domain, and the rights
// each identifier holds. Failures of each call can be set up to answer like the real policy.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tools/myright/SecurityPolicy.h"

namespace myright {

class MemorySecurityPolicy : public SecurityPolicy {
 public:
  // What LookupAccountNameA reports for a name it does not know.
  static constexpr SystemError kNoneMapped = 1332;

  // Names are matched without regard to case, as the account database does.
  void AddAccount(const std::string& name, const Sid& sid);
  void SetAccountDomainSid(const Sid& sid) { domainSid_ = sid; }
  void GrantDirectly(const Sid& sid, const std::string& right) { rights_[sid].insert(right); }
  // The rights `sid` holds, in name order.
  std::vector<std::string> RightsOf(const Sid& sid) const;

  SystemError openError = 0;
  SystemError domainError = 0;  // when 0 and no domain was set, the query answers 2 (not found)
  SystemError addError = 0;
  SystemError removeError = 0;
  bool opened = false;
  // Every call, in order, as "Open", "LookupAccount Guest", "AddRight S-1-... SeXRight", ...
  std::vector<std::string> calls;

  SystemError Open() override;
  SystemError LookupAccount(const char* name, Sid& sid) override;
  SystemError QueryAccountDomainSid(Sid& sid) override;
  SystemError AddRight(const Sid& sid, const char* right) override;
  SystemError RemoveRight(const Sid& sid, const char* right) override;

 private:
  std::map<std::string, Sid> accounts_;
  Sid domainSid_;
  std::map<Sid, std::set<std::string>> rights_;
};

}  // namespace myright
