#include "platform/win32/Win32Platform.h"

namespace platform::win32 {

Win32Platform::Win32Platform()
    : m_platform{m_registry,       // registry
                 m_profile,        // profile
                 m_processes,      // processes
                 m_shareService,   // shareService
                 m_shareSecurity,  // shareSecurity
                 m_files,          // files
                 m_identity,       // identity
                 m_resolver,       // resolver
                 m_shell,          // shell
                 m_versions,       // versions
                 m_text,           // text
                 m_messageBoxes,   // messageBoxes
                 m_accountRights,  // accountRights
                 m_services,       // services
                 m_firewall,       // firewall
                 m_accounts,       // accounts
                 m_adapters,       // adapters
                 m_clock,          // clock
                 m_securityLog,    // securityLog
                 m_clipboard,      // clipboard
                 m_eventLog} {}    // eventLog

}  // namespace platform::win32
