// Share records kept compactly, for a list of many shares: every text of every record lies in
// one buffer, each ended by a zero (the service's texts end at their first zero too), so that a
// record costs no allocation of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ShareRecord;

class ShareTable {
 public:
  // Adds a record after the others; a null text is a missing one.
  void Add(const char16_t* netName, std::uint32_t type, const char16_t* remark,
           std::uint32_t currentUses, const char16_t* path);
  void Add(const ShareRecord& record);
  // Drops every record; the room stays for the next fill.
  void Clear();

  std::size_t size() const { return m_rows.size(); }
  // A record's texts up to their first zero (empty when missing), as read for showing.
  std::u16string_view NetName(std::size_t index) const { return Text(m_rows[index].netName); }
  std::u16string_view Remark(std::size_t index) const { return Text(m_rows[index].remark); }
  std::u16string_view Path(std::size_t index) const { return Text(m_rows[index].path); }
  std::uint32_t Type(std::size_t index) const { return m_rows[index].type; }
  std::uint32_t CurrentUses(std::size_t index) const { return m_rows[index].currentUses; }
  // The record as the service handed it out.
  ShareRecord Record(std::size_t index) const;

 private:
  static constexpr std::uint32_t kMissing = 0xFFFFFFFF;
  struct Row {
    std::uint32_t netName;  // where each text starts in m_texts, or kMissing
    std::uint32_t remark;
    std::uint32_t path;
    std::uint32_t type;
    std::uint32_t currentUses;
  };

  std::uint32_t Keep(const char16_t* text);
  std::u16string_view Text(std::uint32_t at) const;

  std::u16string m_texts;
  std::vector<Row> m_rows;
};

}  // namespace platform
