#include "shares/ResultTexts.h"

namespace shares {

std::string TextForResult(const ResultTable& table, std::uint32_t code) {
  for (const ResultText& entry : table.texts) {
    if (entry.code == code) return entry.text;
  }
  return table.otherPrefix + std::to_string(code);
}

const ResultTable& StopShareResults() {
  static const ResultTable table{
      {
          {0, "stop share the selected  folder OK!"},
          {5, "The user does not have access to the requested information."},
          {8, "Insufficient memory is available."},
          {87, "The specified parameter is not valid."},
          {2310, "The share name does not exist."},
      },
      "The share could not be stopped. Error code: "};
  return table;
}

const ResultTable& AddShareResults() {
  static const ResultTable table{
      {
          {5, "The user does not have access to the requested information."},
          {87, "The specified parameter is not valid."},
          {123, "The character or file system name is not valid."},
          {2116, "The device or directory does not exist."},
          {2117,
           "The operation is not valid for a redirected resource. The specified device name is "
           "assigned to a shared resource."},
          {2118, "The share name is already in use on this server."},
      },
      "Other error:"};
  return table;
}

const ResultTable& SessionDelResults() {
  static const ResultTable table{
      {
          {0, "The visitor was disconnected."},
          {5, "The user does not have access to the requested information."},
          {8, "Insufficient memory is available."},
          {87, "The specified parameter is not valid."},
          {2114, "The Server service is not started."},
          {2221, "That session had already ended."},
          {2312, "That session had already ended."},
      },
      "The visitor could not be disconnected. Error code: "};
  return table;
}

const ResultTable& FileCloseResults() {
  static const ResultTable table{
      {
          {0, "The file was closed."},
          {5, "The user does not have access to the requested information."},
          {8, "Insufficient memory is available."},
          {2114, "The Server service is not started."},
          {2314, "That file was no longer open."},
      },
      "The file could not be closed. Error code: "};
  return table;
}

const ResultTable& ShareInfoResults() {
  static const ResultTable table{
      {
          {5, "The user does not have access to the requested information."},
          {8, "Insufficient memory is available."},
          {2114, "The Server service is not started."},
          {2310, "The share name does not exist."},
      },
      "The share's details could not be read. Error code: "};
  return table;
}

}  // namespace shares
