#include "shares/OpenFilesDialog.h"

#include <map>

#include "shares/Disconnect.h"
#include "shares/ListedRecords.h"
#include "shares/ServiceBuffer.h"
#include "shares/ServiceText.h"
#include "ui/ControlIds.h"

namespace shares {
namespace {

constexpr std::uint32_t kPermRead = 0x1;
constexpr std::uint32_t kPermWrite = 0x2;
constexpr std::uint32_t kPermCreate = 0x4;

std::string AccessText(std::uint32_t permissions) {
  const bool read = (permissions & kPermRead) != 0;
  const bool write = (permissions & (kPermWrite | kPermCreate)) != 0;
  if (read && write) return "Read and write";
  if (write) return "Write";
  if (read) return "Read";
  return "None";
}

using K = ui::ControlKind;

// clang-format off
constexpr ui::ControlEntry kOpenFilesControls[] = {
    {"m_labelOpenFilesShown", K::Label, "", ui::ids::m_labelOpenFilesShown, {8, 8, 520, 16}, ""},
    {"m_listviewOpenFiles", K::ListView, "", ui::ids::m_listviewOpenFiles, {8, 28, 520, 284}, "",
     ui::kWholeRowSelect},
    {"m_btnCloseFile", K::Button, "", ui::ids::m_btnCloseFile, {536, 28, 97, 25}, "Close File"},
    {"m_btnOpenFilesRefresh", K::Button, "", ui::ids::m_btnOpenFilesRefresh, {536, 60, 97, 25},
     "Refresh"},
    {"m_btnOpenFilesShowAll", K::Button, "", ui::ids::m_btnOpenFilesShowAll, {536, 92, 97, 25},
     "Show All"},
    {"m_btnOpenFilesClose", K::Button, "", ui::ids::m_btnOpenFilesClose, {536, 287, 97, 25},
     "Close"},
};
// clang-format on

// Escape acts as the close box; F1 opens the page about the dialog.
// clang-format off
constexpr ui::KeyEntry kOpenFilesKeys[] = {
    {ui::Key::Escape, ui::kNoModifier, ui::KeyAction::Close, ""},
    {ui::Key::F1, ui::kNoModifier, ui::KeyAction::ShowHelp, "OpenFiles.htm"},
};
// clang-format on

}  // namespace

ui::FormDesign OpenFilesLayout() {
  ui::FormDesign spec;
  spec.className = "TfrmOpenFiles";
  spec.caption = "Open Files";
  spec.clientWidth = 640;
  spec.clientHeight = 320;
  spec.centreOnScreen = true;
  spec.border = ui::BorderStyle::Dialog;
  spec.AddControls(kOpenFilesControls);
  spec.AddKeys(kOpenFilesKeys);
  spec.ControlNamed("m_listviewOpenFiles").listColumns =
      ui::Columns({{"File", 176}, {"User", 90}, {"Computer", 90}, {"Locks", 50}, {"Access", 110}});
  return spec;
}

std::vector<platform::FileRecord> FillOpenFileList(platform::Platform& platform, ui::ListView& list,
                                                   const std::optional<std::u16string>& user) {
  // The service names the user who holds a file, not the computer: the sessions of that user
  // tell from where.
  std::map<std::u16string, std::string> computers;
  ForEachRecord(platform.shareService, &platform::ShareService::SessionEnum10,
                &platform::ShareService::SessionRecords,
                [&](const platform::SessionRecord& session) {
                  std::string& of = computers[session.userName.value_or(std::u16string())];
                  of += (of.empty() ? "" : ", ") + AnsiOf(platform.text, session.clientName);
                });
  std::vector<platform::FileRecord> records;
  list.BeginUpdate();
  list.Clear();
  ForEachRecord(platform.shareService, &platform::ShareService::FileEnum3,
                &platform::ShareService::FileRecords, [&](const platform::FileRecord& record) {
                  const std::u16string holder = record.userName.value_or(std::u16string());
                  if (user && holder != *user) return;
                  const int row = list.InsertRow(-1, AnsiOf(platform.text, record.path));
                  list.SetCell(row, 1, AnsiOf(platform.text, record.userName));
                  const auto from = computers.find(holder);
                  list.SetCell(row, 2, from == computers.end() ? "" : from->second);
                  list.SetCell(row, 3, std::to_string(record.locks));
                  list.SetCell(row, 4, AccessText(record.permissions));
                  records.push_back(record);
                });
  list.EndUpdate();
  return records;
}

TfrmOpenFiles::TfrmOpenFiles(app::Application& application, ui::FormFactory& factory,
                             platform::Handle owner, const platform::SessionRecord* visitor)
    : m_app(application),
      m_form(factory.CreateForm(OpenFilesLayout(), owner)),
      m_labelOpenFilesShown(m_form->Get<ui::Label>("m_labelOpenFilesShown")),
      m_listviewOpenFiles(m_form->Get<ui::ListView>("m_listviewOpenFiles")),
      m_btnCloseFile(m_form->Get<ui::Button>("m_btnCloseFile")),
      m_btnOpenFilesRefresh(m_form->Get<ui::Button>("m_btnOpenFilesRefresh")),
      m_btnOpenFilesShowAll(m_form->Get<ui::Button>("m_btnOpenFilesShowAll")),
      m_btnOpenFilesClose(m_form->Get<ui::Button>("m_btnOpenFilesClose")) {
  if (visitor != nullptr) m_user = visitor->userName.value_or(std::u16string());
  auto self = [this] { return Handle(); };
  m_btnCloseFile.onClick = m_app.Guarded(self, [this] { m_btnCloseFileClick(); });
  m_btnOpenFilesRefresh.onClick = m_app.Guarded(self, [this] { m_btnOpenFilesRefreshClick(); });
  m_btnOpenFilesShowAll.onClick = m_app.Guarded(self, [this] { m_btnOpenFilesShowAllClick(); });
  m_btnOpenFilesClose.onClick = m_app.Guarded(self, [this] { window().Close(); });
  m_btnOpenFilesRefreshClick();
}

void TfrmOpenFiles::m_btnOpenFilesRefreshClick() {
  const std::string holder =
      !m_user ? "every visitor"
      : m_user->empty()
          ? "the visitor without a user name (the selected session's)"
          : "\"" + m_app.platform().text.WideToAnsi(*m_user) + "\" (the selected session's user)";
  m_labelOpenFilesShown.SetText("Files held open by " + holder + ":");
  m_btnOpenFilesShowAll.SetEnabled(m_user.has_value());
  m_files = FillOpenFileList(m_app.platform(), m_listviewOpenFiles, m_user);
}

void TfrmOpenFiles::m_btnOpenFilesShowAllClick() {
  m_user.reset();
  m_btnOpenFilesRefreshClick();
}

void TfrmOpenFiles::m_btnCloseFileClick() {
  using namespace platform::mb;
  const platform::FileRecord* file = SelectedRecord(m_listviewOpenFiles, m_files);
  if (file == nullptr) {
    m_app.ShowMessage(Handle(), kSelectFileFirst, kOk | kIconInformation);
    return;
  }
  const platform::FileRecord chosen = *file;
  platform::TextConversion& text = m_app.platform().text;
  const std::string question =
      CloseFileQuestion(AnsiOf(text, chosen.path), AnsiOf(text, chosen.userName));
  if (m_app.ShowMessage(Handle(), question, kOkCancel | kIconQuestion) != kIdOk) return;
  m_app.ShowMessage(Handle(), CloseOpenFile(m_app.platform(), chosen), kOk | kIconInformation);
  m_btnOpenFilesRefreshClick();
}

}  // namespace shares
