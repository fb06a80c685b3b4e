// A small simulated computer: one in-memory implementation of every platform family, wired
// together (profile files live on the in-memory disk), and the Platform view the program uses.
#pragma once

#include "platform/Platform.h"
#include "platform/memory/MemoryAccountRights.h"
#include "platform/memory/MemoryAccounts.h"
#include "platform/memory/MemoryClock.h"
#include "platform/memory/MemoryEventLog.h"
#include "platform/memory/MemoryFileSystem.h"
#include "platform/memory/MemoryFirewall.h"
#include "platform/memory/MemoryMessageBoxes.h"
#include "platform/memory/MemoryNameResolution.h"
#include "platform/memory/MemoryNetworkAdapters.h"
#include "platform/memory/MemoryProcesses.h"
#include "platform/memory/MemoryProfileFile.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemorySecurityLog.h"
#include "platform/memory/MemoryServices.h"
#include "platform/memory/MemoryShareSecurity.h"
#include "platform/memory/MemoryShareService.h"
#include "platform/memory/MemoryShell.h"
#include "platform/memory/MemorySystemIdentity.h"
#include "platform/memory/MemoryTextConversion.h"
#include "platform/memory/MemoryVersionResource.h"

namespace platform::memory {

struct MemoryWorld {
  MemoryRegistry registry;
  MemoryFileSystem files;
  MemoryProfileFile profile{files};
  MemoryProcesses processes;
  MemoryShareService shareService;
  MemoryShareSecurity shareSecurity;
  MemorySystemIdentity identity;
  MemoryNameResolution resolver;
  MemoryShell shell;
  MemoryVersionResource versions;
  MemoryTextConversion text;
  MemoryMessageBoxes messageBoxes;
  MemoryAccountRights accountRights;
  MemoryServices services;
  MemoryFirewall firewall;
  MemoryAccounts accounts;
  MemoryNetworkAdapters adapters;
  MemoryClock clock;
  MemorySecurityLog securityLog;
  MemoryClipboard clipboard;
  MemoryEventLog eventLog;

  Platform platform{registry,      profile,   processes, shareService, shareSecurity, files,
                    identity,      resolver,  shell,     versions,     text,          messageBoxes,
                    accountRights, services,  firewall,  accounts,     adapters,      clock,
                    securityLog,   clipboard, eventLog};
};

}  // namespace platform::memory
