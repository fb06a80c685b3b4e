#include "platform/win32/Win32Platform.h"

namespace platform::win32 {

Win32Platform::Win32Platform(const LentFamilies& lent)
    : m_platform{m_registry,          // registry
                 m_profile,           // profile
                 m_processes,         // processes
                 lent.shareService,   // shareService
                 lent.shareSecurity,  // shareSecurity
                 m_files,             // files
                 m_identity,          // identity
                 m_resolver,          // resolver
                 lent.shell,          // shell
                 m_versions,          // versions
                 lent.text,           // text
                 m_messageBoxes} {}   // messageBoxes

}  // namespace platform::win32
