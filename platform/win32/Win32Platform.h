// The Win32 world: one Win32 implementation of each platform family, bound together.
#pragma once

#include "platform/Platform.h"
#include "platform/win32/Win32AccountRights.h"
#include "platform/win32/Win32Accounts.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32EventLog.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Firewall.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32NameResolution.h"
#include "platform/win32/Win32NetworkAdapters.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32ProfileFile.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SecurityLog.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32ShareSecurity.h"
#include "platform/win32/Win32ShareService.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemIdentity.h"
#include "platform/win32/Win32TextConversion.h"
#include "platform/win32/Win32VersionResource.h"

namespace platform::win32 {

class Win32Platform {
 public:
  Win32Platform();
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  Platform& platform() { return m_platform; }

 private:
  Win32Registry m_registry;
  Win32ProfileFile m_profile;
  Win32Processes m_processes;
  Win32FileSystem m_files;
  Win32SystemIdentity m_identity;
  Win32MessageBoxes m_messageBoxes;
  Win32NameResolution m_resolver;
  Win32VersionResource m_versions;
  Win32ShareService m_shareService;
  Win32ShareSecurity m_shareSecurity;
  Win32Shell m_shell;
  Win32TextConversion m_text;
  Win32AccountRights m_accountRights;
  Win32Services m_services;
  Win32Firewall m_firewall;
  Win32Accounts m_accounts;
  Win32NetworkAdapters m_adapters;
  Win32Clock m_clock;
  Win32SecurityLog m_securityLog;
  Win32Clipboard m_clipboard;
  Win32EventLog m_eventLog;
  Platform m_platform;
};

}  // namespace platform::win32
