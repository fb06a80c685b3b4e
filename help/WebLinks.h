// The program's ways out to the maker and to the help file, and the look of its link labels.
#pragma once

#include <string>

#include "platform/Shell.h"
#include "platform/SystemIdentity.h"
#include "ui/Controls.h"

namespace help {

// Hands a web address to the shell, to open in the user's browser, maximised. On Vista and
// later (`version`) the running desktop shell opens it, so that the browser does not inherit the
// program's administrator rights; without one the program's own call does.
void OpenWebAddress(platform::Shell& shell, const platform::VersionRecord& version,
                    const std::string& address);

// "mailto:" + the address, opened in a normal window: a new mail is not a page to read. Opened
// the same way as a web address.
void OpenMailAddress(platform::Shell& shell, const platform::VersionRecord& version,
                     const std::string& mailAddress);

// The path the help viewer understands for a page of a compiled help file.
std::string HelpTopicPath(const std::string& helpFile, const std::string& topic);

// Opens a page of the help file in the help viewer, in its own top-level window, and brings that
// window to the front.
void ShowHelpTopic(platform::Shell& shell, const std::string& helpFile, const std::string& topic);

// The hover effect of a link label, applied to the label the mouse is on.
void LinkMouseEnter(ui::Label& sender);
void LinkMouseLeave(ui::Label& sender);

}  // namespace help
