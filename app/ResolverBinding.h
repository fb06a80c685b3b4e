// Which resolver the program uses. Older systems lack getaddrinfo in their socket library, so the
// entry points are looked up at run time, once, at their first use: from the system's ws2_32,
// else from wship6 (the IPv6 technology preview), else the program's own fallback stands in.
// The application owns one binding, so it lasts as long as the program.
#pragma once

#include <string>

#include "app/FallbackResolver.h"
#include "platform/FileSystem.h"
#include "platform/NameResolution.h"

namespace app {

class ResolverBinding {
 public:
  ResolverBinding(platform::NameResolution& sockets, platform::FileSystem& files);
  ~ResolverBinding();
  ResolverBinding(const ResolverBinding&) = delete;
  ResolverBinding& operator=(const ResolverBinding&) = delete;

  // getaddrinfo and freeaddrinfo of whichever resolver is bound; the first call of either binds.
  int GetAddrInfo(const std::string& node, const std::string& service,
                  const platform::AddressHints& hints, platform::AddressEntry*& list);
  void FreeAddrInfo(platform::AddressEntry* list);

  // The program's own resolver, whose allocations a caller may want to account for.
  const FallbackResolver& fallback() const { return m_fallback; }

 private:
  void BindOnce();
  // Loads a library and keeps it only when it exports getaddrinfo; 0 otherwise.
  platform::Handle LoadWithGetAddrInfo(const std::string& path);

  platform::NameResolution& m_sockets;
  platform::FileSystem& m_files;
  FallbackResolver m_fallback;
  bool m_bound = false;
  platform::Handle m_library = 0;  // 0 while the fallback is in use
  platform::Handle m_getAddrInfo = 0;
  platform::Handle m_freeAddrInfo = 0;
};

}  // namespace app
