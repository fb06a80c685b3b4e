// What the condition routines share: adding rows, putting data into their texts, and the list
// of the routines themselves.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/MessageText.h"
#include "check/SharingCheck.h"

namespace check {

using app::FormatMessageText;

// The rows about one thing looked at: each says what was found and what that means for
// visitors, measured against the same need.
class RowsAbout {
 public:
  RowsAbout(std::vector<Finding>& rows, std::string_view what, std::string_view needed);
  ~RowsAbout();
  RowsAbout(const RowsAbout&) = delete;
  RowsAbout& operator=(const RowsAbout&) = delete;

  // A row whose explanation is the `explanation` pattern with `arguments` in place of its "%s",
  // as FormatMessageText puts them (without arguments it stays as written). The caller may
  // name the row's fix through the reference, until it adds the next row.
  Finding& Add(Status status, std::string_view found, const char* explanation,
               std::initializer_list<std::string_view> arguments = {});
  // A row that could not be read, for the reason made the same way: never shown as holding.
  void Unreadable(const char* reason, std::initializer_list<std::string_view> arguments = {});

 private:
  std::vector<Finding>& m_rows;
  std::string m_what;
  std::string m_needed;
};

inline bool SharesFolders(int mode) { return mode != 0; }

// In "Stop Share" a shortfall means visitors might come in rather than be kept out.
inline Status Shortfall(int mode) {
  return SharesFolders(mode) ? Status::Blocks : Status::WorthKnowing;
}

// The code in words with the code in brackets (platform::ErrorWords), for the rows' texts.
std::string ErrorText(unsigned long code);

// Adds `item` to the list in `text`, after `separator` unless the list is still empty.
void AppendItem(std::string& text, std::string_view item, const char* separator);

// The parts, one after the other, with `separator` between them.
std::string Joined(const std::vector<std::string>& parts, const char* separator);

// True when `item` is one of `list`.
bool Contains(const std::vector<std::string>& list, std::string_view item);

// A folder share: its exact name and path for reading its access lists, and as shown.
struct FolderShare {
  std::u16string name;
  std::u16string path;
  std::string shownName;
  std::string shownPath;
};

// The folder shares of the computer, without the ones ending in "$" that Windows keeps for
// itself. Gives 0, or the service's code when it could not list them.
std::uint32_t ListFolderShares(platform::Platform& platform, std::vector<FolderShare>& found);

// An address other computers can reach: not empty, 0.0.0.0, loopback (127.x.x.x) or one the
// computer gave itself (169.254.x.x).
bool UsableAddress(const std::string& address);

// How long ago, in words: "3 days and 4 hours ago", "just now".
std::string AgoText(std::int64_t seconds);

// "1 logon", "2 logons".
std::string Counted(std::uint32_t count, const char* one, const char* many);

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
void CheckRefusedVisitors(const CheckInput& input, std::vector<Finding>& rows);
void CheckFailedLogons(const CheckInput& input, std::vector<Finding>& rows);
void CheckNewerVisitors(const CheckInput& input, std::vector<Finding>& rows);

}  // namespace check
