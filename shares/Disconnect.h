// Ending a visitor's session and closing a file a visitor holds open.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Platform.h"

namespace shares {

inline constexpr char kSelectSessionFirst[] = "Please select a session first!";
inline constexpr char kSelectFileFirst[] = "Please select a file first!";

// A visitor's computer as an address, \\PC1, whether the service names it with its leading
// backslashes or not.
std::u16string ComputerAddress(const std::u16string& client);

// The question before a session ends, naming the computer and the user.
std::string DisconnectQuestion(const std::string& client, const std::string& user);

// Ends that session, named by its exact computer and user name, and gives the text that reports
// the outcome. A session the service says it cannot find is called ended only when a fresh read
// of the list no longer shows it.
std::string DisconnectSession(platform::Platform& platform, const platform::SessionRecord& session);

// The question before a file is closed.
std::string CloseFileQuestion(const std::string& path, const std::string& user);

// Closes the file of that id and gives the text that reports the outcome.
std::string CloseOpenFile(platform::Platform& platform, const platform::FileRecord& file);

}  // namespace shares
