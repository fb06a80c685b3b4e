#include "shares/Formnewzendryshare.h"

#include "app/Formmain.h"
#include "shares/AnsiText.h"
#include "shares/FolderSafety.h"
#include "shares/GrantScope.h"
#include "shares/NewShareLayout.h"

namespace shares {
namespace {

const char* const kPickerTitle = "Please select the directory containing photoes:\n";
const char* const kLocalDiskOnly = "Please select directory of local hard disk!";

// Blanks and control characters around a typed name do not belong to it.
std::u16string Trimmed(const std::u16string& text) {
  auto isSpace = [](char16_t c) { return c <= 32; };
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && isSpace(text[begin])) ++begin;
  while (end > begin && isSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

}  // namespace

TfrmNewZendryShare::TfrmNewZendryShare(app::Application& application, ui::FormFactory& factory,
                                       platform::Handle owner)
    : m_app(application),
      m_form(factory.CreateForm(NewShareLayout(), owner)),
      m_editShareDir(m_form->Get<ui::Edit>("m_editShareDir")),
      m_btnBrowseDir(m_form->Get<ui::Button>("m_btnBrowseDir")),
      m_editShareName(m_form->Get<ui::Edit>("m_editShareName")),
      m_radioRead(m_form->Get<ui::RadioButton>("m_radioRead")),
      m_radioFull(m_form->Get<ui::RadioButton>("m_radioFull")),
      m_labelResult(m_form->Get<ui::Label>("m_labelResult")),
      m_btnOK(m_form->Get<ui::Button>("m_btnOK")),
      m_btnCancel(m_form->Get<ui::Button>("m_btnCancel")) {
  auto self = [this] { return Handle(); };
  m_btnBrowseDir.onClick = m_app.Guarded(self, [this] { m_btnBrowseDirClick(); });
  m_btnOK.onClick = m_app.Guarded(self, [this] { m_btnOKClick(); });
  m_btnCancel.onClick = m_app.Guarded(self, [this] { m_btnCancelClick(); });
}

void TfrmNewZendryShare::Warn(const std::string& text) {
  m_app.ShowMessage(Handle(), text, platform::mb::kOk | platform::mb::kIconWarning);
}

void TfrmNewZendryShare::ShowProgress(const std::string& text) {
  m_labelResult.SetText(text);
  window().ProcessPendingEvents();
}

void TfrmNewZendryShare::m_btnBrowseDirClick() {
  platform::Platform& platform = m_app.platform();
  const std::optional<std::u16string> picked = platform.shell.BrowseForFolder(kPickerTitle);
  if (!picked) return;
  // A folder that cannot be shared must not stay in the field: an "OK" must not go on with it.
  std::string folder;
  if (!platform.text.WideToAnsiExact(*picked, folder)) {
    m_editShareDir.SetText("");
    Warn(kFolderNotInCodePage);
    return;
  }
  m_editShareDir.SetText(folder);
  if (folder.size() < 2 || folder[1] != ':') {
    Warn(kLocalDiskOnly);
    m_editShareDir.SetText("");
    return;
  }
  if (std::optional<std::string> refusal = FolderRefusal(platform, folder)) {
    m_editShareDir.SetText("");
    Warn(*refusal);
    return;
  }
  m_fileSystemName.clear();
  std::string fileSystemName;
  if (platform.files.GetVolumeFileSystemName(folder.substr(0, 2) + "\\", fileSystemName)) {
    m_fileSystemName = fileSystemName;
  }
  const std::size_t lastSeparator = AnsiText(folder, platform.text).FindLast('\\');
  m_editShareName.SetText(folder.substr(lastSeparator + 1));
}

void TfrmNewZendryShare::m_btnOKClick() {
  platform::Platform& platform = m_app.platform();
  const app::Global& global = m_app.global();
  NewShareRequest request;
  // Read as typed: an ANSI read would hand over look-alikes in place of what the user sees.
  const std::u16string typed = Trimmed(m_editShareName.WideText());
  request.shareNameInCodePage = platform.text.WideToAnsiExact(typed, request.shareName);
  if (request.shareNameInCodePage) {
    m_editShareName.SetText(request.shareName);
  } else {
    request.shareName = m_editShareName.Text();
  }
  request.folder = m_editShareDir.Text();
  request.fileSystemName = m_fileSystemName;
  request.access = m_radioRead.Checked() ? Access::ReadOnly : Access::Full;
  if (std::optional<std::string> refusal = CheckNewShare(platform, global, request)) {
    Warn(*refusal);
    return;
  }
  // Asked before anything is made: Cancel must leave the computer as it was.
  if (std::optional<std::string> question =
          WholeTreeQuestion(platform, request.folder, request.fileSystemName, request.access)) {
    using namespace platform::mb;
    if (m_app.ShowMessage(Handle(), *question, kOkCancel | kIconQuestion) != kIdOk) return;
  }

  m_btnOK.SetEnabled(false);
  std::optional<std::string> notCreated;
  std::optional<std::string> rightsNotSet;
  {
    // Nothing the user does may start another action or change the request while it runs.
    ui::BusyWindow busy(window());
    ShowProgress("share processing step 1...");
    notCreated = CreateShare(platform, global, request);
    if (!notCreated) {
      ShowProgress("share processing step 2... about 5 seconds...");
      rightsNotSet = GrantVisitorRights(platform, global, request, GrantFor::NewShare);
    }
  }
  WriteNewShareEvent(platform, request, notCreated, rightsNotSet);
  if (notCreated) {
    Warn(*notCreated);
    m_btnOK.SetEnabled(true);
    return;
  }
  if (rightsNotSet) {
    // The share exists: the dialog has done what it can.
    Warn(*rightsNotSet);
    window().Close();
    return;
  }
  m_labelResult.SetText("Share OK!");
  m_app.ShowMessage(Handle(), "Share OK!", platform::mb::kOk | platform::mb::kIconInformation);
  window().Close();
}

void TfrmNewZendryShare::m_btnCancelClick() { window().Close(); }

}  // namespace shares

void app::TfrmMain::m_btnFolderNewShareClick() {
  {
    shares::TfrmNewZendryShare dialog(m_app, m_factory, Handle());
    dialog.window().ShowModal();
  }
  m_btnFolderRefreshClick();
}
