// The share service's result codes in words: each operation has a small fixed table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace shares {

struct ResultText {
  std::uint32_t code;
  const char* text;
};

struct ResultTable {
  std::vector<ResultText> texts;
  // For a code the table lacks: this prefix followed directly by the code in decimal.
  const char* otherPrefix;
};

// The table's text for `code`, or the prefix with the code.
std::string TextForResult(const ResultTable& table, std::uint32_t code);

// Stopping a share (NetShareDel).
const ResultTable& StopShareResults();
// Creating a share (NetShareAdd).
const ResultTable& AddShareResults();
// Ending a visitor's session (NetSessionDel).
const ResultTable& SessionDelResults();
// Closing a file a visitor holds open (NetFileClose).
const ResultTable& FileCloseResults();
// Reading one share's details (NetShareGetInfo).
const ResultTable& ShareInfoResults();

}  // namespace shares
