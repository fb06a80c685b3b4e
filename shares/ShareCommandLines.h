// The command lines that create a share and grant the guest account rights on its folder.
#pragma once

#include <string>

namespace shares {

enum class Access { ReadOnly, Full };

// net share {name}="{folder}"  /GRANT:Guest,READ (or FULL). A name with blanks is quoted.
std::string NetShareCommandLine(const std::string& shareName, const std::string& folder,
                                Access access);

// cscript.exe "{program folder}XCACLS.vbs"  "{folder}" /T /G Guest:R /E (or F /E).
std::string XcaclsCommandLine(const std::string& programFolder, const std::string& folder,
                              Access access);

// Whether `net share` would read the name wrongly or Windows refuses it in a share name:
// " / \ [ ] : | < > + = ; , * ? and the control characters.
bool HasCharacterNotAllowedInShareName(const std::string& shareName);

}  // namespace shares
