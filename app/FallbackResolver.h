// The program's own IPv4-only stand-in for getaddrinfo and freeaddrinfo, built on the classic
// socket calls (inet_addr, gethostbyname). It is used on systems whose socket library does not
// export the modern resolver.
#pragma once

#include <string>

#include "platform/NameResolution.h"

namespace app {

class FallbackResolver {
 public:
  explicit FallbackResolver(platform::NameResolution& sockets) : m_sockets(sockets) {}

  // getaddrinfo: 0 and a list of one entry per IPv4 address of `node`, or a socket library
  // error and no list. `service` is a decimal port number; the empty text is port 0.
  int GetAddrInfo(const std::string& node, const std::string& service,
                  const platform::AddressHints& hints, platform::AddressEntry*& list);

  // freeaddrinfo for lists made by GetAddrInfo: every entry with its socket address and
  // canonical name, along the next links. A null list is accepted.
  void FreeAddrInfo(platform::AddressEntry* list);

  // Entries, socket addresses and names handed out and not released yet.
  int LiveBlocks() const { return m_liveBlocks; }

 private:
  // An entry with its socket address, and a copy of a name; null when memory is short.
  platform::AddressEntry* NewEntry(const platform::AddressHints& hints, std::uint16_t port,
                                   const platform::Ipv4Address& address);
  char* NewName(const std::string& name);

  platform::NameResolution& m_sockets;
  int m_liveBlocks = 0;
};

}  // namespace app
