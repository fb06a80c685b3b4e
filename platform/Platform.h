// Everything the program asks of the operating system, one interface per family. The Win32
// world and the in-memory world each provide one of these.
#pragma once

#include "platform/AccountRights.h"
#include "platform/Accounts.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/EventLog.h"
#include "platform/FileSystem.h"
#include "platform/Firewall.h"
#include "platform/MessageBoxes.h"
#include "platform/NameResolution.h"
#include "platform/NetworkAdapters.h"
#include "platform/Processes.h"
#include "platform/ProfileFile.h"
#include "platform/Registry.h"
#include "platform/SecurityLog.h"
#include "platform/Services.h"
#include "platform/ShareSecurity.h"
#include "platform/ShareService.h"
#include "platform/Shell.h"
#include "platform/SystemIdentity.h"
#include "platform/TextConversion.h"
#include "platform/VersionResource.h"

namespace platform {

struct Platform {
  Registry& registry;
  ProfileFile& profile;
  Processes& processes;
  ShareService& shareService;
  ShareSecurity& shareSecurity;
  FileSystem& files;
  SystemIdentity& identity;
  NameResolution& resolver;
  Shell& shell;
  VersionResource& versions;
  TextConversion& text;
  MessageBoxes& messageBoxes;
  AccountRights& accountRights;
  Services& services;
  Firewall& firewall;
  Accounts& accounts;
  NetworkAdapters& adapters;
  Clock& clock;
  SecurityLog& securityLog;
  Clipboard& clipboard;
  EventLog& eventLog;
};

}  // namespace platform
