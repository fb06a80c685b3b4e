// What a visitor's newer Windows needs of this computer: the facts of this computer that decide
// it, and the same words for the sharing check's row and for the instructions handed to
// visitors. Each fact names the Windows versions it holds for.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace check {

struct ServerFacts {
  bool versionKnown = false;
  bool smb1Only = false;        // Windows XP's generation (major version 5)
  std::string windowsName;      // "Windows XP", "Windows Vista"
  bool signingKnown = false;    // false: the setting could not be read (`signingError`)
  bool signingOffered = false;  // a server of SMB 2 always offers it
  long signingError = 0;
};

ServerFacts ReadServerFacts(platform::Platform& platform);

// The computer's name, as visitors type it; "this computer" when Windows does not tell it.
std::string ComputerNameOf(platform::Platform& platform);

// The paragraphs about `computer` (as the reader calls it: "this computer" or its name) for a
// visitor with Windows 10 or 11: the protocol and signing, then how the mode lets visitors in.
std::string ProtocolWords(const ServerFacts& facts, const std::string& computer);
// Empty in the modes that share no folders.
std::string LogonWords(int mode, const std::string& computer);

}  // namespace check
