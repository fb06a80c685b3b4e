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
                &platform::ShareService::SessionRecords,
                [&](const platform::SessionRecord& record) {
                  const int row = list.InsertRow(-1, AnsiOf(platform.text, record.clientName));
                  list.SetCell(row, 1, AnsiOf(platform.text, record.userName));
                  list.SetCell(row, 2, clockText(record.activeSeconds));
                  list.SetCell(row, 3, clockText(record.idleSeconds));
                  records.push_back(record);
                });
  list.EndUpdate();
  return records;
}

}  // namespace shares

void app::TfrmMain::m_btnSessionRefreshClick() {
  m_sessionRecords =
      shares::FillSessionList(m_app.platform(), m_listviewSessions, &TfrmMain::SecondsToTimeText);
}
