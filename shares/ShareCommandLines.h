// The command lines that create a share and grant the guest account rights on its folder.
// Texts are in the ANSI code page `code`, which says where its characters begin.
#pragma once

#include <string>

#include "platform/TextConversion.h"

namespace shares {

enum class Access { ReadOnly, Full };

// net share {name}="{folder}"  /GRANT:Guest,READ (or FULL). A name with blanks is quoted.
std::string NetShareCommandLine(const std::string& shareName, const std::string& folder,
                                Access access, platform::TextConversion& code);

// cscript.exe "{program folder}XCACLS.vbs"  "{folder}" /T /G Guest:R /E (or F /E).
std::string XcaclsCommandLine(const std::string& programFolder, const std::string& folder,
                              Access access, platform::TextConversion& code);

// Whether `net share` would read the name wrongly or Windows refuses it in a share name:
// " / \ [ ] : | < > + = ; , * ? and the control characters.
bool HasCharacterNotAllowedInShareName(const std::string& shareName,
                                       platform::TextConversion& code);

}  // namespace shares
