#include "shares/AccessDialog.h"

#include "app/ChangeEvents.h"
#include "app/Formmain.h"
#include "platform/ErrorWords.h"
#include "sharemode/SettingsFile.h"
#include "shares/AccessWords.h"
#include "shares/CopyAddress.h"
#include "shares/GrantScope.h"
#include "shares/ListedShare.h"
#include "shares/NewShare.h"
#include "shares/ResultTexts.h"
#include "shares/ServiceText.h"
#include "shares/StopShare.h"
#include "ui/ControlIds.h"

namespace shares {
namespace {

constexpr std::uint32_t kNoExactAnsiForm = 1113;  // ERROR_NO_UNICODE_TRANSLATION

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
  return text;
}

bool OthersMayOpen(bool hasAccessList, const std::vector<platform::AccessEntry>& entries) {
  if (!hasAccessList) return true;
  for (const platform::AccessEntry& entry : entries) {
    if (entry.allowed &&
        (entry.sid == "S-1-1-0" || entry.sid == "S-1-5-32-545" || entry.sid == "S-1-5-11")) {
      return true;
    }
  }
  return false;
}

using K = ui::ControlKind;
namespace ids = ui::ids;

// clang-format off
constexpr ui::ControlEntry kAccessControls[] = {
    {"labelShareAddress", K::Label, "", ids::labelShareAddress, {12, 12, 0, 0},
     "Address visitors type:", ui::kAutoSize},
    {"m_editShareAddress", K::Edit, "", ids::m_editShareAddress, {12, 30, 360, 22}, "",
     ui::kReadOnly},
    {"m_btnCopyAddress", K::Button, "", ids::m_btnCopyAddress, {380, 29, 88, 25}, "Copy"},
    {"labelSharePermissions", K::Label, "", ids::labelSharePermissions, {12, 62, 0, 0},
     "Share permissions:", ui::kAutoSize},
    {"m_memoSharePermissions", K::Memo, "", ids::m_memoSharePermissions, {12, 80, 456, 64}, "",
     ui::kReadOnly | ui::kVerticalScrollBar},
    {"labelFolderPermissions", K::Label, "", ids::labelFolderPermissions, {12, 152, 0, 0},
     "Folder permissions:", ui::kAutoSize},
    {"m_memoFolderPermissions", K::Memo, "", ids::m_memoFolderPermissions, {12, 170, 456, 52}, "",
     ui::kReadOnly},
    {"m_labelAccessWarning", K::Label, "", ids::m_labelAccessWarning, {12, 228, 456, 30}, ""},
    {"m_btnChangeAccess", K::Button, "", ids::m_btnChangeAccess, {320, 276, 75, 25}, "Change"},
    {"m_btnAccessClose", K::Button, "", ids::m_btnAccessClose, {393, 308, 75, 25}, "Close"},
    {"m_groupGuestAccess", K::GroupBox, "", ids::m_groupGuestAccess, {12, 262, 300, 41},
     "Guest visitors may"},
    {"m_radioGuestRead", K::RadioButton, "m_groupGuestAccess", ids::m_radioGuestRead,
     {16, 16, 113, 17}, "Only Read", ui::kChecked},
    {"m_radioGuestFull", K::RadioButton, "m_groupGuestAccess", ids::m_radioGuestFull,
     {150, 16, 113, 17}, "Full Control"},
};
// clang-format on

// Escape acts as the close box; F1 opens the page about the dialog.
// clang-format off
constexpr ui::KeyEntry kAccessKeys[] = {
    {ui::Key::Escape, ui::kNoModifier, ui::KeyAction::Close, ""},
    {ui::Key::F1, ui::kNoModifier, ui::KeyAction::ShowHelp, "ShareAccess.htm"},
};
// clang-format on

}  // namespace

ui::FormDesign AccessLayout() {
  ui::FormDesign spec;
  spec.className = "TfrmShareAccess";
  spec.caption = "Share Access";
  spec.clientWidth = 480;
  spec.clientHeight = 340;
  spec.centreOnScreen = true;
  spec.border = ui::BorderStyle::Dialog;
  spec.AddControls(kAccessControls);
  spec.AddKeys(kAccessKeys);
  spec.ControlNamed("m_labelAccessWarning").color = ui::kRed;
  return spec;
}

TfrmShareAccess::TfrmShareAccess(app::Application& application, ui::FormFactory& factory,
                                 platform::Handle owner, const platform::ShareRecord& share)
    : m_app(application),
      m_form(factory.CreateForm(AccessLayout(), owner)),
      m_editShareAddress(m_form->Get<ui::Edit>("m_editShareAddress")),
      m_btnCopyAddress(m_form->Get<ui::Button>("m_btnCopyAddress")),
      m_memoSharePermissions(m_form->Get<ui::Control>("m_memoSharePermissions")),
      m_memoFolderPermissions(m_form->Get<ui::Control>("m_memoFolderPermissions")),
      m_labelAccessWarning(m_form->Get<ui::Label>("m_labelAccessWarning")),
      m_radioGuestRead(m_form->Get<ui::RadioButton>("m_radioGuestRead")),
      m_radioGuestFull(m_form->Get<ui::RadioButton>("m_radioGuestFull")),
      m_btnChangeAccess(m_form->Get<ui::Button>("m_btnChangeAccess")),
      m_btnAccessClose(m_form->Get<ui::Button>("m_btnAccessClose")),
      m_shareName(share.netName.value_or(std::u16string())),
      m_folder(share.path.value_or(std::u16string())),
      m_address(ShareAddressOf(application.platform(), m_shareName)) {
  auto self = [this] { return Handle(); };
  m_btnCopyAddress.onClick = m_app.Guarded(self, [this] { m_btnCopyAddressClick(); });
  m_btnChangeAccess.onClick = m_app.Guarded(self, [this] { m_btnChangeAccessClick(); });
  m_btnAccessClose.onClick = m_app.Guarded(self, [this] { window().Close(); });
  m_editShareAddress.SetText(AnsiOf(m_app.platform().text, m_address));
  Fill();
}

bool TfrmShareAccess::Fill() {
  platform::Platform& platform = m_app.platform();
  const bool system = !m_shareName.empty() && m_shareName.back() == u'$';
  m_radioGuestRead.SetEnabled(!system);
  m_radioGuestFull.SetEnabled(!system);
  m_btnChangeAccess.SetEnabled(!system);

  platform::ShareDetails details;
  const std::uint32_t result = FitsServiceBuffer(m_shareName)
                                   ? platform.shareService.ShareGetInfo502(m_shareName, details)
                                   : 87;
  if (result != platform::kSuccess) {
    m_memoSharePermissions.SetText(TextForResult(ShareInfoResults(), result));
    m_memoFolderPermissions.SetText("");
    m_btnChangeAccess.SetEnabled(false);
    return false;
  }
  if (details.path) m_folder = *details.path;
  m_memoSharePermissions.SetText(Lines(SharePermissionLines(details)));

  // Read through a look-alike, the path would show another folder's permissions.
  bool folderHasList = false;
  std::vector<platform::AccessEntry> folderEntries;
  std::string folder;
  const bool exact = platform.text.WideToAnsiExact(m_folder, folder);
  const std::uint32_t folderResult = !exact           ? kNoExactAnsiForm
                                     : folder.empty() ? 2
                                                      : platform.shareSecurity.GetFolderAccess(
                                                            folder, folderHasList, folderEntries);
  if (!exact) {
    m_memoFolderPermissions.SetText(kListedFolderNotInCodePage);
  } else if (folderResult != platform::kSuccess) {
    m_memoFolderPermissions.SetText("The folder's permissions could not be read: " +
                                    platform::ErrorWords(folderResult));
  } else {
    m_memoFolderPermissions.SetText(Lines(FolderPermissionLines(folderHasList, folderEntries)));
  }
  const GuestReach guests = GuestReachOf(details, folderHasList, folderEntries);
  (guests == GuestReach::Change ? m_radioGuestFull : m_radioGuestRead).SetChecked(true);

  std::string warning;
  if (system) {
    warning =
        "Windows uses the shares whose names end in \"$\" itself: their rights cannot be "
        "changed here.";
  } else if (folderResult == platform::kSuccess) {
    const int mode =
        sharemode::ReadRecordedShareMode(platform.profile, m_app.global().programFolder);
    warning = ModeWarning(mode, guests, OthersMayOpen(folderHasList, folderEntries));
  }
  m_labelAccessWarning.SetText(warning);
  return true;
}

void TfrmShareAccess::m_btnCopyAddressClick() { CopyAddress(m_app, Handle(), m_address); }

void TfrmShareAccess::m_btnChangeAccessClick() {
  using namespace platform::mb;
  platform::Platform& platform = m_app.platform();
  NewShareRequest request;
  request.access = m_radioGuestFull.Checked() ? Access::Full : Access::ReadOnly;
  std::string question =
      std::string("Let guest visitors ") +
      (request.access == Access::Full ? "read, change and delete" : "only read") +
      " the files of \"" + AnsiOf(platform.text, m_shareName) + "\"?";
  // The folders of Windows and the programs are refused, and a whole drive or a profile asked
  // about, as in the new-share dialog. A folder the code page cannot hold is refused below.
  std::string folder;
  if (platform.text.WideToAnsiExact(m_folder, folder) && folder.size() >= 3 && folder[1] == ':') {
    if (std::optional<std::string> refusal = SystemFolderRefusal(platform, folder)) {
      m_app.ShowMessage(Handle(), kRightsNotChanged + *refusal, kOk | kIconWarning);
      return;
    }
    std::string fileSystemName;
    if (!platform.files.GetVolumeFileSystemName(folder.substr(0, 3), fileSystemName)) {
      fileSystemName.clear();
    }
    question =
        WholeTreeQuestion(platform, folder, fileSystemName, request.access).value_or(question);
  }
  if (m_app.ShowMessage(Handle(), question, kOkCancel | kIconQuestion) != kIdOk) return;
  // Checked right before the script runs: the folder may have been replaced since it was read.
  if (std::optional<std::string> refusal =
          ListedShareRequest(platform, m_shareName, m_folder, request)) {
    m_app.ShowMessage(Handle(), *refusal, kOk | kIconWarning);
    return;
  }
  m_btnChangeAccess.SetEnabled(false);
  const std::optional<std::string> failure =
      GrantVisitorRights(platform, m_app.global(), request, GrantFor::ListedShare);
  app::WriteOutcomeEvent(
      platform, !failure, app::Event::RightsChanged, app::Event::RightsNotChanged,
      {m_shareName, m_folder, AccessText(request.access)}, failure.value_or(std::string()));
  m_app.ShowMessage(Handle(), failure ? *failure : "The guest visitors' rights were changed.",
                    kOk | (failure ? kIconWarning : kIconInformation));
  Fill();
}

}  // namespace shares

void app::TfrmMain::m_btnFolderAccessClick() {
  const std::optional<platform::ShareRecord> share = m_folderRecords.Selected(m_listviewFolders);
  if (!share) {
    m_app.ShowMessage(Handle(), shares::kSelectFolderFirst,
                      platform::mb::kOk | platform::mb::kIconInformation);
    return;
  }
  shares::TfrmShareAccess dialog(m_app, m_factory, Handle(), *share);
  dialog.window().ShowModal();
}
