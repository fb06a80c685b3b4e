#include "shares/NewShare.h"

#include <cstdint>

#include "app/ChangeEvents.h"
#include "shares/FolderSafety.h"
#include "shares/GrantLeftOut.h"
#include "shares/GrantScope.h"
#include "shares/ResultTexts.h"
#include "shares/ServiceText.h"
#include "shares/SetShareEveryoneAccess.h"

namespace shares {
namespace {

constexpr std::uint32_t kDiskTree = 0;     // STYPE_DISKTREE
constexpr std::uint32_t kAccessAll = 127;  // ACCESS_ALL
constexpr std::uint32_t kNoUseLimit = 0xFFFFFFFFu;
constexpr std::uint8_t kWait = 1;

bool UsesNetShare(const app::Global& global) { return global.versionRecord.majorVersion == 6; }

std::string ToolFailure(const std::string& what, const std::string& tool,
                        const std::optional<std::uint32_t>& exitCode) {
  if (!exitCode) return what + ": \"" + tool + "\" could not be started.";
  return what + ": \"" + tool + "\" ended with error code " + std::to_string(*exitCode) + ".";
}

// The access script's code for a drive whose file system keeps no access lists (FAT, exFAT).
constexpr std::uint32_t kNoAccessListsExitCode = 50;  // ERROR_NOT_SUPPORTED

bool KeepsNoAccessLists(const std::string& fileSystemName) {
  return fileSystemName == "FAT" || fileSystemName == "exFAT";
}

const char* const kNotCreated = "The share could not be created";

// The beginnings of the failure texts: the new-share dialog has just made the share, the
// access dialog changes the rights of a share that was there before.
struct GrantTexts {
  const char* notSet;
  const char* cannotBeSet;
};
constexpr GrantTexts kNewShareTexts{
    "The share was created, but the rights of the visitors could not be set",
    "The share was created, but the rights of the visitors cannot be set on this drive"};
constexpr GrantTexts kListedShareTexts{
    "The guest visitors' rights could not be changed",
    "The guest visitors' rights cannot be changed on this drive"};

}  // namespace

std::optional<std::string> CheckNewShare(platform::Platform& platform, const app::Global& global,
                                         const NewShareRequest& request) {
  if (request.shareName.empty() || request.folder.empty()) return kNameAndFolderNeeded;
  if (!request.shareNameInCodePage) return kShareNameNotInCodePage;
  std::u16string wide;
  if (!platform.text.AnsiToWide(request.shareName, wide, kServiceTextCapacity)) {
    return TooLongText("share name");
  }
  if (!platform.text.AnsiToWide(request.folder, wide, kServiceTextCapacity)) {
    return TooLongText("folder path");
  }
  // Checked again: the folder may have been replaced by a link since it was picked.
  if (std::optional<std::string> refusal = FolderRefusal(platform, request.folder)) return refusal;
  if (std::optional<std::string> refusal = SystemFolderRefusal(platform, request.folder)) {
    return refusal;
  }
  // The share service judges the name itself; the command line must not be misread first.
  if (UsesNetShare(global) && HasCharacterNotAllowedInShareName(request.shareName, platform.text)) {
    return kInvalidShareName;
  }
  return std::nullopt;
}

std::optional<std::string> CreateShare(platform::Platform& platform, const app::Global& global,
                                       const NewShareRequest& request) {
  if (UsesNetShare(global)) {
    const std::optional<std::uint32_t> exitCode = app::RunHiddenCommandForExitCode(
        platform,
        NetShareCommandLine(request.shareName, request.folder, request.access, platform.text),
        kWait);
    if (exitCode && *exitCode == 0) return std::nullopt;
    return ToolFailure(kNotCreated, "net share", exitCode);
  }
  platform::NewShareRecord record;
  // CheckNewShare made sure both texts fit.
  platform.text.AnsiToWide(request.shareName, record.netName, kServiceTextCapacity);
  platform.text.AnsiToWide(request.folder, record.path, kServiceTextCapacity);
  platform.text.AnsiToWide(kRemark, record.remark, kServiceTextCapacity);
  record.type = kDiskTree;
  record.permissions = kAccessAll;
  record.maxUses = kNoUseLimit;
  record.currentUses = 0;
  record.hasPassword = false;
  const std::uint32_t result = platform.shareService.ShareAdd2(record);
  if (result == platform::kSuccess) return std::nullopt;
  return TextForResult(AddShareResults(), result);
}

std::optional<std::string> GrantVisitorRights(platform::Platform& platform,
                                              const app::Global& global,
                                              const NewShareRequest& request, GrantFor share) {
  const GrantTexts& texts = share == GrantFor::NewShare ? kNewShareTexts : kListedShareTexts;
  if (request.fileSystemName == "FAT32") {
    const std::uint32_t mask =
        request.access == Access::ReadOnly ? kReadAndExecuteMask : kAllFileAccessMask;
    const std::uint32_t result =
        SetShareEveryoneAccess(platform.shareSecurity, request.shareName, mask);
    if (result == platform::kSuccess) return std::nullopt;
    return std::string(texts.notSet) + ". Error code: " + std::to_string(result) + ".";
  }
  const std::optional<std::uint32_t> exitCode = app::RunHiddenCommandForExitCode(
      platform,
      XcaclsCommandLine(global.programFolder, request.folder, request.access, platform.text),
      kWait);
  if (exitCode && *exitCode == 0) return std::nullopt;
  // The folder got the rights, but not everything in it: the user must learn what and why.
  if (exitCode) {
    if (std::optional<std::string> leftOut = LeftOutMessage(*exitCode)) return leftOut;
  }
  // There is nothing the script could have done there; a bare code would leave the user
  // guessing.
  if (exitCode &&
      (*exitCode == kNoAccessListsExitCode || KeepsNoAccessLists(request.fileSystemName))) {
    const std::string fileSystem =
        request.fileSystemName.empty() ? "" : " (" + request.fileSystemName + ")";
    return std::string(texts.cannotBeSet) + ": its file system" + fileSystem +
           " keeps no access rights for files and folders.";
  }
  return ToolFailure(texts.notSet, "cscript.exe", exitCode);
}

const char* AccessText(Access access) {
  return access == Access::Full ? "full access (read, change and delete)" : "read-only access";
}

void WriteNewShareEvent(platform::Platform& platform, const NewShareRequest& request,
                        const std::optional<std::string>& notCreated,
                        const std::optional<std::string>& rightsNotSet) {
  std::vector<app::EventText> inserts{request.shareName, request.folder,
                                      AccessText(request.access)};
  app::Event event = app::Event::ShareCreated;
  if (notCreated || rightsNotSet) {
    inserts.push_back(notCreated ? *notCreated : *rightsNotSet);
    event = notCreated ? app::Event::ShareNotCreated : app::Event::ShareCreatedWithoutRights;
  }
  app::WriteEvent(platform, event, inserts);
}

}  // namespace shares
