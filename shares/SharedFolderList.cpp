#include "shares/SharedFolderList.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "app/Formmain.h"
#include "shares/ServiceBuffer.h"

namespace shares {

void ListedShares::Fill(platform::Platform& platform, ui::ListView& list) {
  list.BeginUpdate();
  list.Clear();
  m_table.Clear();
  m_shown.clear();
  ReadShares(platform.shareService, m_table);

  // The shares whose names end in "$" (as the list shows them) come first, in the reverse of the
  // service's order. Each name is converted once, into `names`, and the rows are written in their
  // final order, so that the list only ever appends: inserting each "$" row at the top would cost
  // time in proportion to the rows below.
  const std::size_t count = m_table.size();
  std::string names;
  std::vector<std::uint32_t> nameEnds;
  nameEnds.reserve(count);
  m_shown.reserve(count);
  std::string text;  // used again for each text
  for (std::size_t index = 0; index < count; ++index) {
    platform.text.WideToAnsiInto(m_table.NetName(index), text);
    names += text;
    nameEnds.push_back(static_cast<std::uint32_t>(names.size()));
    if (!text.empty() && text.back() == '$') m_shown.push_back(static_cast<std::uint32_t>(index));
  }
  std::reverse(m_shown.begin(), m_shown.end());
  for (std::size_t index = 0; index < count; ++index) {
    const std::size_t start = index == 0 ? 0 : nameEnds[index - 1];
    if (nameEnds[index] == start || names[nameEnds[index] - 1] != '$') {
      m_shown.push_back(static_cast<std::uint32_t>(index));
    }
  }

  std::string path;
  for (const std::uint32_t index : m_shown) {
    const std::size_t start = index == 0 ? 0 : nameEnds[index - 1];
    platform.text.WideToAnsiInto(m_table.Path(index), path);
    platform.text.WideToAnsiInto(m_table.Remark(index), text);
    list.AppendRow({std::string_view(names).substr(start, nameEnds[index] - start), path,
                    std::to_string(m_table.CurrentUses(index)), text});
  }
  list.EndUpdate();
}

std::optional<platform::ShareRecord> ListedShares::Selected(const ui::ListView& list) const {
  const int selected = list.SelectedIndex();
  if (selected < 0 || static_cast<std::size_t>(selected) >= m_shown.size()) return std::nullopt;
  return m_table.Record(m_shown[static_cast<std::size_t>(selected)]);
}

}  // namespace shares

void app::TfrmMain::m_btnFolderRefreshClick() {
  m_folderRecords.Fill(m_app.platform(), m_listviewFolders);
}
