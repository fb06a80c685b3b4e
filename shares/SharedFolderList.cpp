#include "shares/SharedFolderList.h"

#include <string>
#include <vector>

#include "app/Formmain.h"
#include "shares/ServiceBuffer.h"
#include "shares/ServiceText.h"

namespace shares {
namespace {

struct FolderRow {
  platform::ShareRecord record;
  std::string name;
  std::string path;
  std::string connections;
  std::string remark;
};

void AddRow(ui::ListView& list, const FolderRow& row) {
  const int index = list.InsertRow(-1, row.name);
  list.SetCell(index, 1, row.path);
  list.SetCell(index, 2, row.connections);
  list.SetCell(index, 3, row.remark);
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
                &platform::ShareService::ShareRecords, [&](const platform::ShareRecord& record) {
                  FolderRow row{record, AnsiOf(platform.text, record.netName),
                                AnsiOf(platform.text, record.path),
                                std::to_string(record.currentUses),
                                AnsiOf(platform.text, record.remark)};
                  const bool system = !row.name.empty() && row.name.back() == '$';
                  (system ? systemRows : otherRows).push_back(std::move(row));
                });

  std::vector<platform::ShareRecord> records;
  records.reserve(systemRows.size() + otherRows.size());
  for (auto row = systemRows.rbegin(); row != systemRows.rend(); ++row) {
    AddRow(list, *row);
    records.push_back(std::move(row->record));
  }
  for (FolderRow& row : otherRows) {
    AddRow(list, row);
    records.push_back(std::move(row.record));
  }
  list.EndUpdate();
  return records;
}

}  // namespace shares

void app::TfrmMain::m_btnFolderRefreshClick() {
  m_folderRecords = shares::FillSharedFolderList(m_app.platform(), m_listviewFolders);
}
