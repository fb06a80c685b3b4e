// Each shared folder, and Plinvo's own folder.
#include "check/AccessRules.h"
#include "check/Rows.h"
#include "shares/ServiceBuffer.h"

namespace check {

std::uint32_t ListFolderShares(platform::Platform& platform, std::vector<FolderShare>& found) {
  platform::ShareTable shares;
  const std::uint32_t result = shares::ReadShares(platform.shareService, shares);
  for (std::size_t index = 0; index < shares.size(); ++index) {
    const std::u16string_view name = shares.NetName(index);
    // Disk shares only (type 0); printers and the special shares need no folder.
    if ((shares.Type(index) & 0xFF) != 0 || name.empty() || name.back() == u'$') continue;
    found.push_back({std::u16string(name), std::u16string(shares.Path(index)), {}, {}});
    FolderShare& share = found.back();
    platform.text.WideToAnsiInto(share.name, share.shownName);
    platform.text.WideToAnsiInto(share.path, share.shownPath);
  }
  return result;
}

namespace {

bool Missing(std::uint32_t error) { return error == 2 || error == 3; }

constexpr std::size_t kLongestPath = 0x8000;  // UTF-16 units of the longest path Windows takes
constexpr std::uint32_t kNoSuchPath = 3;      // ERROR_PATH_NOT_FOUND

void CheckShare(const CheckInput& input, const FolderShare& share, const std::string& guest,
                std::vector<Finding>& rows) {
  const char* const visitors = input.mode == 1 ? "the guest account" : "visitors' own accounts";
  RowsAbout folderRows(
      rows, FormatMessageText("Shared folder \"%s\"", {share.shownName}),
      SharesFolders(input.mode)
          ? FormatMessageText("folder exists; share and folder let %s read", {visitors})
          : "kept from visitors by Stop Share");
  platform::Accounts& accounts = input.platform.accounts;
  platform::AccessList folder;
  // Read by the exact path and name: converted to the code page, a look-alike would name another
  // folder or the twin share.
  const std::uint32_t folderResult = accounts.FileAccess(share.path, folder);
  if (Missing(folderResult)) {
    folderRows.Add(Shortfall(input.mode), FormatMessageText("%s is gone", {share.shownPath}),
                   "The share points to %s, which no longer exists (moved, renamed or on a "
                   "removed drive). Stop this share on the \"Shared Folders\" page and share "
                   "the folder again where it is now.",
                   {share.shownPath});
    return;
  }
  if (!SharesFolders(input.mode)) {
    folderRows.Add(Status::Holds, share.shownPath,
                   "The folder is shared, but Stop Share keeps visitors away from it.");
    return;
  }
  if (folderResult != 0) {
    folderRows.Unreadable("Plinvo could not read the access list of %s: %s",
                          {share.shownPath, ErrorText(folderResult)});
    return;
  }
  platform::AccessList shareList;
  const std::uint32_t shareResult = accounts.ShareAccess(share.name, shareList);
  if (shareResult != 0) {
    folderRows.Unreadable("Plinvo could not read the share's permissions: %s",
                          {ErrorText(shareResult)});
    return;
  }
  // Zendry Share's visitors come in as the guest account, Normal Share's with their own.
  const auto visitorsMayRead = [&](const platform::AccessList& list) {
    return input.mode == 1
               ? LetsRead(list, {guest, sids::kEveryone, sids::kGuests})
               : LetsRead(list, {sids::kEveryone, sids::kAuthenticatedUsers, sids::kUsers});
  };
  const bool shareLets = visitorsMayRead(shareList);
  const bool folderLets = visitorsMayRead(folder);
  if (shareLets && folderLets) {
    folderRows.Add(Status::Holds, FormatMessageText("%s; readable", {share.shownPath}),
                   "Both the share's permissions and the folder's access list let %s read it.",
                   {visitors});
    return;
  }
  const bool guestOnly = input.mode == 2 && LetsRead(shareList, {guest});
  // What keeps them out, the share first: a note for the found column and a sentence each.
  const char* const shareFound = shareLets   ? ""
                                 : guestOnly ? "; share: guest only"
                                             : "; share: closed to them";
  const char* const folderFound = folderLets ? "" : "; folder: closed to them";
  const std::string shareClosed =
      shareLets   ? ""
      : guestOnly ? "The share lets in the guest account only (Plinvo's \"New Share\" makes "
                    "shares that way, for Zendry Share). In Normal Share visitors use their own "
                    "accounts, so no one can open it. Give Everyone read access on the share's "
                    "Sharing tab in the folder's Properties, or use Zendry Share."
                  : FormatMessageText(
                        "The share's permissions do not let %s read it. Give them read access "
                        "on the share's Sharing tab in the folder's Properties.",
                        {visitors});
  const std::string folderClosed =
      folderLets ? ""
                 : FormatMessageText(
                       "The folder's access list does not let %s read it. Add them on the "
                       "Security tab of the folder's Properties.",
                       {visitors});
  folderRows.Add(Status::Blocks,
                 FormatMessageText("%s%s%s", {share.shownPath, shareFound, folderFound}), "%s%s%s",
                 {shareClosed, !shareLets && !folderLets ? " " : "", folderClosed});
}

}  // namespace

void CheckSharedFolders(const CheckInput& input, std::vector<Finding>& rows) {
  const bool sharing = SharesFolders(input.mode);
  RowsAbout shared(rows, "Shared folders",
                   sharing ? "at least one shared folder" : "kept from visitors");
  std::vector<FolderShare> found;
  if (const std::uint32_t error = ListFolderShares(input.platform, found)) {
    shared.Unreadable("Windows did not list the shares: %s", {ErrorText(error)});
    return;
  }
  if (found.empty()) {
    shared.Add(sharing ? Status::WorthKnowing : Status::Holds, "none",
               sharing ? "No folder is shared yet, so visitors find nothing to open. Use "
                         "\"New Share\" on the \"Shared Folders\" page."
                       : "No folder is shared.");
    return;
  }
  std::string guest;
  bool enabled = false;
  if (input.platform.accounts.GuestAccount(guest, enabled) != 0) guest.clear();
  for (const FolderShare& share : found) CheckShare(input, share, guest, rows);
}

void CheckOwnFolder(const CheckInput& input, std::vector<Finding>& rows) {
  RowsAbout ownFolder(rows, "Plinvo's own folder", "changeable only by administrators");
  static const char* const kFiles[] = {"",
                                       "Plinvo.exe",
                                       "myright.exe",
                                       "XCACLS.vbs",
                                       "stop_share_help.rtf",
                                       "zendry_share_help.rtf",
                                       "normal_share_help.rtf",
                                       "help.chm"};
  platform::Accounts& accounts = input.platform.accounts;
  std::string you;
  if (accounts.CurrentUser(you) != 0) you.clear();
  std::string guest;
  bool enabled = false;
  if (accounts.GuestAccount(guest, enabled) != 0) guest.clear();

  std::string folder = input.programFolder;
  if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  std::string findings;               // "path: who", for each file others can change
  std::vector<std::string> whoFirst;  // for the folder itself
  bool allAlike = true;
  for (const char* file : kFiles) {
    const std::string path = *file ? input.programFolder + file : folder;
    platform::AccessList list;
    std::u16string widePath;
    const std::uint32_t result = input.platform.text.AnsiToWide(path, widePath, kLongestPath)
                                     ? accounts.FileAccess(widePath, list)
                                     : kNoSuchPath;
    if (Missing(result) && *file) continue;  // a companion file that is not there is not run
    if (result != 0) {
      ownFolder.Unreadable("Plinvo could not read the access list of %s: %s",
                           {path, ErrorText(result)});
      return;
    }
    std::vector<std::string> names;
    if (!list.present) {
      names.push_back("everyone (the drive keeps no access lists)");
    } else {
      for (const std::string& sid : WhoMayChange(list)) names.push_back(NameOfSid(sid, you, guest));
    }
    if (!*file) whoFirst = names;
    allAlike = allAlike && names == whoFirst;
    if (!names.empty()) {
      AppendItem(findings, FormatMessageText("%s: %s", {path, Joined(names, ", ")}), "; ");
    }
  }
  // The usual case, inherited permissions, said once.
  if (allAlike && !findings.empty()) {
    findings = FormatMessageText("%s and every file Plinvo runs or shows from it: %s",
                                 {folder, Joined(whoFirst, ", ")});
  }
  if (findings.empty()) {
    ownFolder.Add(Status::Holds, folder,
                  "Only administrators and the system can change Plinvo's folder and the files it "
                  "runs or shows from it.");
    return;
  }
  ownFolder.Add(Status::WorthKnowing, "changeable by others",
                "Plinvo runs with administrator rights. Whoever can change its folder or the "
                "files it runs from there can make Windows run their own program with those "
                "rights the next time Plinvo starts. Changeable by: %s. Put the Plinvo folder "
                "where only administrators can change files, such as C:\\Program Files with the "
                "permissions Windows gives it, or remove the others' right to change it on the "
                "Security tab of the folder's Properties.",
                {findings});
}

}  // namespace check
