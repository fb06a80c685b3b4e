#include "shares/SessionList.h"

#include "app/Formmain.h"
#include "shares/ServiceBuffer.h"
#include "shares/ServiceText.h"

namespace shares {

std::vector<platform::SessionRecord> FillSessionList(
    platform::Platform& platform, ui::ListView& list,
    const std::function<std::string(std::uint32_t)>& clockText) {
  std::vector<platform::SessionRecord> records;
  list.BeginUpdate();
  list.Clear();
  ForEachRecord(platform.shareService, &platform::ShareService::SessionEnum10,
                &platform::ShareService::SessionRecords, [&](platform::SessionRecord& record) {
                  list.AppendRow({AnsiOf(platform.text, record.clientName),
                                  AnsiOf(platform.text, record.userName),
                                  clockText(record.activeSeconds), clockText(record.idleSeconds)});
                  records.push_back(std::move(record));
                });
  list.EndUpdate();
  return records;
}

}  // namespace shares

void app::TfrmMain::m_btnSessionRefreshClick() {
  // One set of records at a time, as for the shared folders.
  m_sessionRecords = {};
  m_sessionRecords =
      shares::FillSessionList(m_app.platform(), m_listviewSessions, &TfrmMain::SecondsToTimeText);
}
