// The command line of grantitems.exe:
//   grantitems /G ACCOUNT:R|F [/T] "X:\folder"
// grants ACCOUNT read (R) or full (F) rights on the folder and, with /T, on everything below
// it. Switches are case-insensitive and may come in any order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace grantitems {

struct GrantCommand {
  std::u16string account;  // printable ASCII, as the account database is asked for it
  std::uint32_t accessMask = 0;
  bool recurse = false;
  char16_t drive = 0;                   // 'C'
  std::vector<std::u16string> folders;  // the path below the drive's root, one name each
};

// `args` are the arguments after the program name. Returns null and fills `command`, or what is
// wrong, one line without a full stop.
const char* ParseGrantCommand(const std::vector<std::u16string>& args, GrantCommand& command);

// Read and execute, the "R" of the command line: read data, attributes and extended attributes,
// execute, read control, synchronize.
constexpr std::uint32_t kReadMask = 0x001200A9;
// Every file access right, the "F".
constexpr std::uint32_t kFullMask = 0x001F01FF;

}  // namespace grantitems
