#include "shares/SharedFolderList.h"

#include <string>
#include <vector>

#include "app/Formmain.h"
#include "shares/ServiceBuffer.h"
#include "shares/ServiceText.h"

namespace shares {
namespace {

// A share's record and its name as the list shows it, which says where its row goes.
struct FolderRow {
  platform::ShareRecord record;
  std::string name;
};

void AddRow(platform::TextConversion& text, ui::ListView& list, const FolderRow& row) {
  list.AppendRow({row.name, AnsiOf(text, row.record.path),
                  std::to_string(row.record.currentUses), AnsiOf(text, row.record.remark)});
}

}  // namespace

std::vector<platform::ShareRecord> FillSharedFolderList(platform::Platform& platform,
                                                        ui::ListView& list) {
  list.BeginUpdate();
  list.Clear();

  // The rows are gathered first and written in their final order, so that the list only ever
  // appends: inserting each "$" row at the top would cost time in proportion to the rows below.
  std::vector<FolderRow> systemRows;  // names ending in "$", in the service's order
  std::vector<FolderRow> otherRows;
  ForEachRecord(platform.shareService, &platform::ShareService::ShareEnum502,
                &platform::ShareService::ShareRecords, [&](platform::ShareRecord& record) {
                  std::string name = AnsiOf(platform.text, record.netName);
                  const bool system = !name.empty() && name.back() == '$';
                  (system ? systemRows : otherRows)
                      .push_back(FolderRow{std::move(record), std::move(name)});
                });

  std::vector<platform::ShareRecord> records;
  records.reserve(systemRows.size() + otherRows.size());
  for (auto row = systemRows.rbegin(); row != systemRows.rend(); ++row) {
    AddRow(platform.text, list, *row);
    records.push_back(std::move(row->record));
  }
  for (FolderRow& row : otherRows) {
    AddRow(platform.text, list, row);
    records.push_back(std::move(row.record));
  }
  list.EndUpdate();
  return records;
}

}  // namespace shares

void app::TfrmMain::m_btnFolderRefreshClick() {
  m_folderRecords = shares::FillSharedFolderList(m_app.platform(), m_listviewFolders);
}
