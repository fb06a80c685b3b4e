#include "platform/ShareTable.h"

#include "platform/ShareService.h"

namespace platform {
namespace {

const char16_t* TextOf(const std::optional<std::u16string>& text) {
  return text ? text->c_str() : nullptr;
}

std::optional<std::u16string> Owned(const char16_t* text) {
  if (text == nullptr) return std::nullopt;
  return std::u16string(text);
}

}  // namespace

std::uint32_t ShareTable::Keep(const char16_t* text) {
  if (text == nullptr) return kMissing;
  const auto at = static_cast<std::uint32_t>(m_texts.size());
  m_texts.append(text).push_back(u'\0');
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
  record.netName = Owned(row.netName == kMissing ? nullptr : m_texts.c_str() + row.netName);
  record.type = row.type;
  record.remark = Owned(row.remark == kMissing ? nullptr : m_texts.c_str() + row.remark);
  record.currentUses = row.currentUses;
  record.path = Owned(row.path == kMissing ? nullptr : m_texts.c_str() + row.path);
  return record;
}

}  // namespace platform
