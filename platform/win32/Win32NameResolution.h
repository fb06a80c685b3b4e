// Socket name resolution through ws2_32, with getaddrinfo and freeaddrinfo only ever called
// through pointers found at run time: the program must start on systems that lack them.
#pragma once

#include <utility>
#include <vector>

#include "platform/NameResolution.h"

namespace platform::win32 {

class Win32NameResolution : public NameResolution {
 public:
  Win32NameResolution() = default;
  ~Win32NameResolution() override;
  Win32NameResolution(const Win32NameResolution&) = delete;
  Win32NameResolution& operator=(const Win32NameResolution&) = delete;

  int Startup(std::uint16_t version) override;
  int Cleanup() override;
  Handle LoadLibraryFile(const std::string& path) override;
  Handle FindProcedure(Handle library, const std::string& name) override;
  void FreeLibrary(Handle library) override;
  int CallGetAddrInfo(Handle procedure, const std::string& node, const std::string& service,
                      const AddressHints& hints, AddressEntry*& list) override;
  void CallFreeAddrInfo(Handle procedure, AddressEntry* list) override;
  std::optional<Ipv4Address> InetAddr(const std::string& text) override;
  std::optional<HostEntry> GetHostByName(const std::string& name) override;
  int LastError() override;
  bool AddressToString(const SocketAddressV4& address, std::size_t length, std::string& text,
                       std::uint32_t capacity) override;

 private:
  // The program reads the system's lists through copies in its own types; each copy remembers
  // the system's list, which goes back to the system when the copy is released. A lookup or
  // two per run: pairs gone through in order, with a fraction of a sorted tree's code.
  std::vector<std::pair<AddressEntry*, void*>> m_systemLists;
  std::vector<std::pair<Handle, Handle>> m_libraryOf;  // procedure -> the library it was found in
};

}  // namespace platform::win32
