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

}  // namespace shares
