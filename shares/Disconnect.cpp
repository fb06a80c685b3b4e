#include "shares/Disconnect.h"

#include "app/ChangeEvents.h"
#include "app/Formmain.h"
#include "shares/ListedRecords.h"
#include "shares/OpenFilesDialog.h"
#include "shares/ResultTexts.h"
#include "shares/ServiceBuffer.h"
#include "shares/ServiceText.h"

namespace shares {
namespace {

constexpr std::uint32_t kUserNotFound = 2221;    // NERR_UserNotFound
constexpr std::uint32_t kClientNotFound = 2312;  // NERR_ClientNameNotFound

// Whether the session may still be open: listed again, or the list could not be read whole.
bool MayStillBeOpen(platform::Platform& platform, const platform::SessionRecord& session) {
  bool listed = false;
  const std::uint32_t result = ForEachRecord(
      platform.shareService, &platform::ShareService::SessionEnum10,
      &platform::ShareService::SessionRecords, [&](const platform::SessionRecord& record) {
        listed = listed ||
                 (record.clientName == session.clientName && record.userName == session.userName);
      });
  return listed || result != platform::kSuccess;
}

std::string Visitor(const std::string& user) {
  return user.empty() ? "the visitor without a user name" : "\"" + user + "\"";
}

// The same for the event log, with the user's name exactly as the service gave it.
app::EventText VisitorInsert(const std::optional<std::u16string>& user) {
  if (!user || user->empty()) return Visitor(std::string());
  return u"\"" + *user + u"\"";
}

}  // namespace

std::string DisconnectQuestion(const std::string& client, const std::string& user) {
  return "Disconnect " + Visitor(user) + " on computer \"" + client +
         "\"?\n\nFiles they have open may lose unsaved changes.";
}

std::u16string ComputerAddress(const std::u16string& client) {
  return client.rfind(u"\\\\", 0) == 0 ? client : u"\\\\" + client;
}

namespace {

// `ended`: whether the service ended it.
std::string EndSession(platform::Platform& platform, const platform::SessionRecord& session,
                       bool& ended) {
  // The service names the client as the session list shows it; the call wants it as a
  // computer address, with its leading backslashes.
  const std::u16string client = ComputerAddress(session.clientName.value_or(std::u16string()));
  const std::u16string user = session.userName.value_or(std::u16string());
  if (!FitsServiceBuffer(client)) return TooLongText("computer name");
  if (!FitsServiceBuffer(user)) return TooLongText("user name");
  const std::uint32_t result = platform.shareService.SessionDel(client, user);
  ended = result == platform::kSuccess;
  if ((result == kClientNotFound || result == kUserNotFound) && MayStillBeOpen(platform, session)) {
    return SessionDelResults().otherPrefix + std::to_string(result);
  }
  return TextForResult(SessionDelResults(), result);
}

}  // namespace

std::string DisconnectSession(platform::Platform& platform,
                              const platform::SessionRecord& session) {
  bool ended = false;
  const std::string report = EndSession(platform, session, ended);
  app::WriteOutcomeEvent(platform, ended, app::Event::VisitorDisconnected,
                         app::Event::VisitorNotDisconnected,
                         {VisitorInsert(session.userName), session.clientName}, report);
  return report;
}

std::string CloseFileQuestion(const std::string& path, const std::string& user) {
  return "Close \"" + path + "\" for " + Visitor(user) +
         "?\n\nThe visitor may lose unsaved changes to it.";
}

std::string CloseOpenFile(platform::Platform& platform, const platform::FileRecord& file) {
  const std::uint32_t result = platform.shareService.FileClose(file.id);
  const std::string report = TextForResult(FileCloseResults(), result);
  app::WriteOutcomeEvent(platform, result == platform::kSuccess, app::Event::FileClosed,
                         app::Event::FileNotClosed, {file.path, VisitorInsert(file.userName)},
                         report);
  return report;
}

}  // namespace shares

void app::TfrmMain::m_btnSessionDisconnectClick() {
  using namespace platform::mb;
  const platform::SessionRecord* selected =
      shares::SelectedRecord(m_listviewSessions, m_sessionRecords);
  if (selected == nullptr) {
    m_app.ShowMessage(Handle(), shares::kSelectSessionFirst, kOk | kIconInformation);
    return;
  }
  const platform::SessionRecord session = *selected;
  platform::TextConversion& text = m_app.platform().text;
  if (m_app.ShowMessage(Handle(),
                        shares::DisconnectQuestion(shares::AnsiOf(text, session.clientName),
                                                   shares::AnsiOf(text, session.userName)),
                        kOkCancel | kIconQuestion) != kIdOk) {
    return;
  }
  m_app.ShowMessage(Handle(), shares::DisconnectSession(m_app.platform(), session),
                    kOk | kIconInformation);
  m_btnSessionRefreshClick();
}

void app::TfrmMain::m_btnSessionOpenFilesClick() {
  shares::TfrmOpenFiles dialog(m_app, m_factory, Handle(),
                               shares::SelectedRecord(m_listviewSessions, m_sessionRecords));
  dialog.window().ShowModal();
}
