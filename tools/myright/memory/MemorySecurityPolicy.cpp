#include "tools/myright/memory/MemorySecurityPolicy.h"

#include <cctype>

namespace myright {

namespace {

std::string Lower(const std::string& text) {
  std::string lower = text;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

constexpr SystemError kInvalidHandle = 6;
constexpr SystemError kFileNotFound = 2;

}  // namespace

void MemorySecurityPolicy::AddAccount(const std::string& name, const Sid& sid) {
  accounts_[Lower(name)] = sid;
}

std::vector<std::string> MemorySecurityPolicy::RightsOf(const Sid& sid) const {
  const auto found = rights_.find(sid);
  if (found == rights_.end()) return {};
  return std::vector<std::string>(found->second.begin(), found->second.end());
}

SystemError MemorySecurityPolicy::Open() {
  calls.push_back("Open");
  if (openError != 0) return openError;
  opened = true;
  return 0;
}

SystemError MemorySecurityPolicy::LookupAccount(const char* name, Sid& sid) {
  calls.push_back(std::string("LookupAccount ") + name);
  const auto found = accounts_.find(Lower(name));
  if (found == accounts_.end()) return kNoneMapped;
  sid = found->second;
  return 0;
}

SystemError MemorySecurityPolicy::QueryAccountDomainSid(Sid& sid) {
  calls.push_back("QueryAccountDomainSid");
  if (!opened) return kInvalidHandle;
  if (domainError != 0) return domainError;
  if (domainSid_.empty()) return kFileNotFound;
  sid = domainSid_;
  return 0;
}

SystemError MemorySecurityPolicy::AddRight(const Sid& sid, const char* right) {
  calls.push_back("AddRight " + FormatSid(sid) + " " + right);
  if (!opened) return kInvalidHandle;
  if (addError != 0) return addError;
  rights_[sid].insert(right);
  return 0;
}

SystemError MemorySecurityPolicy::RemoveRight(const Sid& sid, const char* right) {
  calls.push_back("RemoveRight " + FormatSid(sid) + " " + right);
  if (!opened) return kInvalidHandle;
  if (removeError != 0) return removeError;
  const auto found = rights_.find(sid);
  if (found != rights_.end()) found->second.erase(right);
  return 0;
}

}  // namespace myright
