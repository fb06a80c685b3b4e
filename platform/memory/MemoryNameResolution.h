// In-memory name resolution: system libraries with the entry points a test gives them, a name
// service with the hosts a test puts in it, and a record of every call in order.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/NameResolution.h"

namespace platform::memory {

struct MemoryHost {
  std::vector<Ipv4Address> addresses;  // in the order the name service gives them
  int error = 0;                       // non-zero: every lookup of the name fails with it
};

class MemoryNameResolution : public NameResolution {
 public:
  // A system folder whose ws2_32 has the modern resolver, and this computer in the name service.
  MemoryNameResolution();
  ~MemoryNameResolution() override;

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
  int LastError() override { return m_lastError; }
  bool AddressToString(const SocketAddressV4& address, std::size_t length, std::string& text,
                       std::uint32_t capacity) override;

  // Set-up. Library paths are full paths; like LoadLibraryA, a name without an extension
  // means ".dll".
  void PutLibrary(const std::string& path, const std::set<std::string>& exports);
  void RemoveLibrary(const std::string& path);
  void PutHost(const std::string& name, const std::vector<Ipv4Address>& addresses);
  void FailHost(const std::string& name, int error);
  bool startupFails = false;
  bool addressToStringFails = false;

  // Inspection.
  // "WSAStartup 0x202", "LoadLibrary <path>", "GetProcAddress <file> <name>", "FreeLibrary
  // <file>", "getaddrinfo <node>", "freeaddrinfo", "inet_addr <text>", "gethostbyname <name>",
  // "WSAAddressToString", "WSACleanup".
  std::vector<std::string> calls;
  // What every getaddrinfo was asked, in order.
  struct Lookup {
    std::string node;
    std::string service;
    AddressHints hints;
  };
  std::vector<Lookup> lookups;
  // The buffer size every WSAAddressToString was given, in order.
  std::vector<std::uint32_t> addressTextCapacities;
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
  int Startups() const { return m_startups; }
  int Cleanups() const { return m_cleanups; }
  int ListsMade() const { return m_listsMade; }
  int ListsReleased() const { return m_listsReleased; }
  int LiveLists() const { return static_cast<int>(m_lists.size()); }
  // Releases of lists this world did not make or had released already, and calls through
  // entry points of libraries no longer loaded: each would crash a real program.
  int Faults() const { return m_faults; }
  int LoadedLibraries() const { return static_cast<int>(m_loaded.size()); }

 private:
  struct Loaded {
    std::string key;
    int references = 0;
  };
  struct Procedure {
    Handle library = 0;
    std::string name;
  };
  static std::string LibraryKey(const std::string& path);
  static std::string FileOf(const std::string& key);
  bool IsLive(Handle procedure, const char* name);

  std::map<std::string, std::set<std::string>> m_libraries;  // key -> exports
  std::map<Handle, Loaded> m_loaded;
  std::map<Handle, Procedure> m_procedures;
  std::map<std::string, MemoryHost> m_hosts;  // lower-case name -> host
  std::set<AddressEntry*> m_lists;
  Handle m_lastHandle = 0x10000;
  int m_lastError = 0;
  int m_startups = 0;
  int m_cleanups = 0;
  int m_listsMade = 0;
  int m_listsReleased = 0;
  int m_faults = 0;
};

// The dotted text of an address.
std::string Ipv4Text(const Ipv4Address& address);

}  // namespace platform::memory
