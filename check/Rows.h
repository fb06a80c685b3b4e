// What the condition routines share: building a row, and the modes' names.
#pragma once

#include <string>
#include <vector>

#include "check/SharingCheck.h"

namespace check {

inline Finding Row(Status status, const std::string& what, const std::string& found,
                   const std::string& needed, const std::string& explanation) {
  Finding row;
  row.status = status;
  row.what = what;
  row.found = found;
  row.needed = needed;
  row.explanation = explanation;
  return row;
}

// A row that could not be read: never shown as holding.
inline Finding Unreadable(const std::string& what, const std::string& needed,
                          const std::string& reason) {
  return Row(Status::NotChecked, what, "could not be read", needed,
             reason + " Plinvo cannot say whether this stands in the visitors' way.");
}

inline bool SharesFolders(int mode) { return mode != 0; }

// In "Stop Share" a shortfall means visitors might come in rather than be kept out.
inline Status Shortfall(int mode) {
  return SharesFolders(mode) ? Status::Blocks : Status::WorthKnowing;
}

inline std::string ErrorText(unsigned long code) {
  if (code == 5) return "Windows refused access (error 5).";
  return "Windows answered error " + std::to_string(code) + ".";
}

inline std::string Joined(const std::vector<std::string>& parts, const char* separator) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : separator) + part;
  return text;
}

// The conditions, one routine each.
void CheckDrift(const CheckInput& input, std::vector<Finding>& rows);
void CheckRestart(const CheckInput& input, std::vector<Finding>& rows);
void CheckServices(const CheckInput& input, std::vector<Finding>& rows);
void CheckGuestAccount(const CheckInput& input, std::vector<Finding>& rows);
void CheckEdition(const CheckInput& input, std::vector<Finding>& rows);
void CheckSharedFolders(const CheckInput& input, std::vector<Finding>& rows);
void CheckFirewall(const CheckInput& input, std::vector<Finding>& rows);
void CheckOwnFolder(const CheckInput& input, std::vector<Finding>& rows);
void CheckNetwork(const CheckInput& input, std::vector<Finding>& rows);

}  // namespace check
