#include "platform/ShareTable.h"

#include "platform/ShareService.h"

namespace platform {
namespace {

const char16_t* TextOf(const std::optional<std::u16string>& text) {
  return text ? text->c_str() : nullptr;
}

}  // namespace

std::uint32_t ShareTable::Keep(const char16_t* text) {
  if (text == nullptr) return kMissing;
  const auto at = static_cast<std::uint32_t>(m_texts.size());
  m_texts.append(text, std::char_traits<char16_t>::length(text) + 1);  // with its zero
  return at;
}

void ShareTable::Add(const char16_t* netName, std::uint32_t type, const char16_t* remark,
                     std::uint32_t currentUses, const char16_t* path) {
  const std::uint32_t name = Keep(netName);
  const std::uint32_t note = Keep(remark);
  m_rows.push_back({name, note, Keep(path), type, currentUses});
}

void ShareTable::Add(const ShareRecord& record) {
  Add(TextOf(record.netName), record.type, TextOf(record.remark), record.currentUses,
      TextOf(record.path));
}

void ShareTable::Clear() {
  m_texts.clear();
  m_rows.clear();
}

std::u16string_view ShareTable::Text(std::uint32_t at) const {
  return at == kMissing ? std::u16string_view() : std::u16string_view(m_texts.c_str() + at);
}

ShareRecord ShareTable::Record(std::size_t index) const {
  const Row& row = m_rows[index];
  ShareRecord record;
  const auto keep = [this](std::uint32_t at, std::optional<std::u16string>& text) {
    if (at != kMissing) text.emplace(m_texts.c_str() + at);
  };
  keep(row.netName, record.netName);
  record.type = row.type;
  keep(row.remark, record.remark);
  record.currentUses = row.currentUses;
  keep(row.path, record.path);
  return record;
}

}  // namespace platform
