// Ending a visitor's session and closing a file a visitor holds open.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Platform.h"

namespace shares {

inline constexpr const char* kSelectSessionFirst = "Please select a session first!";
inline constexpr const char* kSelectFileFirst = "Please select a file first!";

// The question before a session ends, naming the computer and the user.
std::string DisconnectQuestion(const std::string& client, const std::string& user);

// Ends the session of `user` from `client` (as the session list shows them) and gives the text
// that reports the outcome.
std::string DisconnectSession(platform::Platform& platform, const std::string& client,
                              const std::string& user);

// The question before a file is closed.
std::string CloseFileQuestion(const std::string& path, const std::string& user);

// Closes the file of that id and gives the text that reports the outcome.
std::string CloseOpenFile(platform::Platform& platform, std::uint32_t id);

}  // namespace shares
