#include "shares/SharedFolderList.h"

#include <string>
#include <vector>

#include "app/Formmain.h"
#include "shares/ServiceBuffer.h"
#include "shares/ServiceText.h"

namespace shares {
namespace {

// Shares read from the service, with their names as the list shows them.
struct Gathered {
  std::vector<platform::ShareRecord> records;
  std::vector<std::string> names;
};

// Writes rows, converting each share's texts into the same two strings.
class RowWriter {
 public:
  RowWriter(platform::TextConversion& text, ui::ListView& list) : m_text(text), m_list(list) {}
  void Add(const platform::ShareRecord& record, const std::string& name) {
    AnsiInto(m_text, record.path, m_path);
    AnsiInto(m_text, record.remark, m_remark);
    m_list.AppendRow({name, m_path, std::to_string(record.currentUses), m_remark});
  }

 private:
  platform::TextConversion& m_text;
  ui::ListView& m_list;
  std::string m_path;
  std::string m_remark;
};

}  // namespace

std::vector<platform::ShareRecord> FillSharedFolderList(platform::Platform& platform,
                                                        ui::ListView& list) {
  list.BeginUpdate();
  list.Clear();

  // The shares whose names end in "$" (as the list shows them) come first, in the reverse of the
  // service's order. The records are gathered first and the rows written in their final order,
  // so that the list only ever appends: inserting each "$" row at the top would cost time in
  // proportion to the rows below.
  Gathered system;  // in the service's order
  Gathered other;
  ForEachRecord(platform.shareService, &platform::ShareService::ShareEnum502,
                &platform::ShareService::ShareRecords, [&](platform::ShareRecord& record) {
                  std::string name = AnsiOf(platform.text, record.netName);
                  Gathered& into = !name.empty() && name.back() == '$' ? system : other;
                  into.records.push_back(std::move(record));
                  into.names.push_back(std::move(name));
                });
  std::vector<platform::ShareRecord> records;
  records.reserve(system.records.size() + other.records.size());
  RowWriter rows(platform.text, list);
  for (std::size_t index = system.records.size(); index-- > 0;) {
    rows.Add(system.records[index], system.names[index]);
    records.push_back(std::move(system.records[index]));
  }
  for (std::size_t index = 0; index < other.records.size(); ++index) {
    rows.Add(other.records[index], other.names[index]);
    records.push_back(std::move(other.records[index]));
  }
  list.EndUpdate();
  return records;
}

}  // namespace shares

void app::TfrmMain::m_btnFolderRefreshClick() {
  // The old records go before the new ones are read, which the list replaces its rows with: a
  // refresh holds one set of records at a time.
  m_folderRecords = {};
  m_folderRecords = shares::FillSharedFolderList(m_app.platform(), m_listviewFolders);
}
