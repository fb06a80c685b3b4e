#include "shares/Disconnect.h"

#include "app/Formmain.h"
#include "shares/OpenFilesDialog.h"
#include "shares/ResultTexts.h"
#include "shares/ServiceText.h"

namespace shares {
namespace {

std::string Visitor(const std::string& user) {
  return user.empty() ? "the visitor without a user name" : "\"" + user + "\"";
}

}  // namespace

std::string DisconnectQuestion(const std::string& client, const std::string& user) {
  return "Disconnect " + Visitor(user) + " on computer \"" + client +
         "\"?\n\nFiles they have open may lose unsaved changes.";
}

std::string DisconnectSession(platform::Platform& platform, const std::string& client,
                              const std::string& user) {
  // The service names the client as the session list shows it; the call wants it as a
  // computer address, with its leading backslashes.
  const std::string address = client.rfind("\\\\", 0) == 0 ? client : "\\\\" + client;
  std::u16string wideClient;
  std::u16string wideUser;
  if (!platform.text.AnsiToWide(address, wideClient, kServiceTextCapacity)) {
    return TooLongText("computer name");
  }
  if (!platform.text.AnsiToWide(user, wideUser, kServiceTextCapacity)) {
    return TooLongText("user name");
  }
  return TextForResult(SessionDelResults(), platform.shareService.SessionDel(wideClient, wideUser));
}

std::string CloseFileQuestion(const std::string& path, const std::string& user) {
  return "Close \"" + path + "\" for " + Visitor(user) +
         "?\n\nThe visitor may lose unsaved changes to it.";
}

std::string CloseOpenFile(platform::Platform& platform, std::uint32_t id) {
  return TextForResult(FileCloseResults(), platform.shareService.FileClose(id));
}

}  // namespace shares

void app::TfrmMain::m_btnSessionDisconnectClick() {
  using namespace platform::mb;
  const int selected = m_listviewSessions.SelectedIndex();
  if (selected < 0) {
    m_app.ShowMessage(Handle(), shares::kSelectSessionFirst, kOk | kIconInformation);
    return;
  }
  const std::string client = m_listviewSessions.Cell(selected, 0);
  const std::string user = m_listviewSessions.Cell(selected, 1);
  if (m_app.ShowMessage(Handle(), shares::DisconnectQuestion(client, user),
                        kOkCancel | kIconQuestion) != kIdOk) {
    return;
  }
  m_app.ShowMessage(Handle(), shares::DisconnectSession(m_app.platform(), client, user),
                    kOk | kIconInformation);
  m_btnSessionRefreshClick();
}

void app::TfrmMain::m_btnSessionOpenFilesClick() {
  shares::TfrmOpenFiles dialog(m_app, m_factory, Handle());
  dialog.window().ShowModal();
}
