// The Win32 world: one Win32 implementation of each platform family, bound together.
#pragma once

#include "platform/Platform.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32NameResolution.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32ProfileFile.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SystemIdentity.h"
#include "platform/win32/Win32VersionResource.h"

namespace platform::win32 {

class Win32Platform {
 public:
  // TODO: the share service, share security, code-page conversion and shell families have no
  // Win32 implementation in the tree yet. Until they do, the caller lends them here; each
  // becomes a member below once it exists.
  struct LentFamilies {
    ShareService& shareService;
    ShareSecurity& shareSecurity;
    TextConversion& text;
    Shell& shell;
  };

  explicit Win32Platform(const LentFamilies& lent);
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
  Platform m_platform;
};

}  // namespace platform::win32
