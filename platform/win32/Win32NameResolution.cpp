// clang-format off
// The socket headers must come before <windows.h>.
#include <winsock2.h>
#include <ws2tcpip.h>
#include "platform/win32/WindowsApi.h"
#include "platform/win32/Win32NameResolution.h"
// clang-format on

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "platform/win32/SystemLibraries.h"

namespace platform::win32 {
namespace {

// The socket calls, from the system folder's ws2_32.dll; null when it is missing.
template <class Function>
Function SocketCall(const char* name) {
  return SystemCall<Function>("ws2_32.dll", name);
}

// A port as the socket calls keep it, high byte first, and back.
std::uint16_t PortFromNetworkOrder(std::uint16_t stored) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&stored);
  return static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]);
}

std::uint16_t PortToNetworkOrder(std::uint16_t port) {
  std::uint16_t stored = 0;
  auto* bytes = reinterpret_cast<unsigned char*>(&stored);
  bytes[0] = static_cast<unsigned char>(port >> 8);
  bytes[1] = static_cast<unsigned char>(port & 0xFF);
  return stored;
}

// A name service answers with a few dozen addresses at most; whatever a list claims beyond this
// is left out rather than copied.
constexpr std::size_t kMostAddresses = 256;

using GetAddrInfoCall = int(WSAAPI*)(const char*, const char*, const ADDRINFOA*, ADDRINFOA**);
using FreeAddrInfoCall = void(WSAAPI*)(ADDRINFOA*);

void DeleteCopy(AddressEntry* list) {
  while (list != nullptr) {
    AddressEntry* next = list->next;
    delete list->address;
    delete list;
    list = next;
  }
}

// A copy of the system's list in the program's own types, or null when memory is short. Only
// IPv4 socket addresses are carried over: the program asks for nothing else.
AddressEntry* CopyOf(const ADDRINFOA* system) {
  AddressEntry* head = nullptr;
  AddressEntry** link = &head;
  for (std::size_t count = 0; system != nullptr && count < kMostAddresses;
       system = system->ai_next, ++count) {
    std::unique_ptr<AddressEntry> entry(new (std::nothrow) AddressEntry());
    if (entry == nullptr) {
      DeleteCopy(head);
      return nullptr;
    }
    entry->flags = system->ai_flags;
    entry->family = system->ai_family;
    entry->socketType = system->ai_socktype;
    entry->protocol = system->ai_protocol;
    entry->addressLength = system->ai_addrlen;
    entry->canonicalName = system->ai_canonname;  // lives as long as the system's list
    if (system->ai_family == AF_INET && system->ai_addr != nullptr &&
        system->ai_addrlen >= sizeof(sockaddr_in)) {
      sockaddr_in address;
      std::memcpy(&address, system->ai_addr, sizeof(address));
      entry->address = new (std::nothrow) SocketAddressV4();
      if (entry->address == nullptr) {
        DeleteCopy(head);
        return nullptr;
      }
      entry->address->family = static_cast<std::uint16_t>(address.sin_family);
      entry->address->port = PortFromNetworkOrder(address.sin_port);
      std::memcpy(entry->address->address.data(), &address.sin_addr, 4);
    }
    *link = entry.release();
    link = &(*link)->next;
  }
  return head;
}

}  // namespace

Win32NameResolution::~Win32NameResolution() {
  // Lists still out when the program ends are only copies to drop; the system frees its own
  // memory with the process.
  for (auto& [copy, system] : m_systemLists) {
    (void)system;
    DeleteCopy(copy);
  }
}

int Win32NameResolution::Startup(std::uint16_t version) {
  const auto startup = SocketCall<decltype(&::WSAStartup)>("WSAStartup");
  if (startup == nullptr) return WSASYSNOTREADY;
  WSADATA data;
  return startup(version, &data);
}

int Win32NameResolution::Cleanup() {
  const auto cleanup = SocketCall<decltype(&::WSACleanup)>("WSACleanup");
  return cleanup == nullptr ? SOCKET_ERROR : cleanup();
}

Handle Win32NameResolution::LoadLibraryFile(const std::string& path) {
  return reinterpret_cast<Handle>(LoadLibraryByFullPath(path));
}

Handle Win32NameResolution::FindProcedure(Handle library, const std::string& name) {
  const Handle procedure =
      reinterpret_cast<Handle>(GetProcAddress(reinterpret_cast<HMODULE>(library), name.c_str()));
  if (procedure == 0) return procedure;
  for (auto& [known, itsLibrary] : m_libraryOf) {
    if (known == procedure) {
      itsLibrary = library;
      return procedure;
    }
  }
  m_libraryOf.emplace_back(procedure, library);
  return procedure;
}

void Win32NameResolution::FreeLibrary(Handle library) {
  ::FreeLibrary(reinterpret_cast<HMODULE>(library));
}

int Win32NameResolution::CallGetAddrInfo(Handle procedure, const std::string& node,
                                         const std::string& service, const AddressHints& hints,
                                         AddressEntry*& list) {
  list = nullptr;
  ADDRINFOA systemHints;
  std::memset(&systemHints, 0, sizeof(systemHints));
  systemHints.ai_flags = hints.flags;
  systemHints.ai_family = hints.family;
  systemHints.ai_socktype = hints.socketType;
  systemHints.ai_protocol = hints.protocol;
  ADDRINFOA* system = nullptr;
  const auto call = reinterpret_cast<GetAddrInfoCall>(procedure);
  const int result = call(node.c_str(), service.c_str(), &systemHints, &system);
  if (system == nullptr) return result;
  list = CopyOf(system);
  if (list == nullptr) {
    // Without a copy the caller cannot hand the list back, so it goes back now, to the release
    // call of the library the lookup came from; the caller sees a failed lookup.
    Handle library = 0;
    for (const auto& [known, itsLibrary] : m_libraryOf) {
      if (known == procedure) library = itsLibrary;
    }
    if (library != 0) {
      const Handle release = FindProcedure(library, "freeaddrinfo");
      if (release != 0) reinterpret_cast<FreeAddrInfoCall>(release)(system);
    }
    return WSA_NOT_ENOUGH_MEMORY;
  }
  m_systemLists.emplace_back(list, system);
  return result;
}

void Win32NameResolution::CallFreeAddrInfo(Handle procedure, AddressEntry* list) {
  const auto release = reinterpret_cast<FreeAddrInfoCall>(procedure);
  // A failed lookup leaves a null list; the system's release takes that too, and gets it, so
  // that every lookup is answered by exactly one release.
  if (list == nullptr) {
    release(nullptr);
    return;
  }
  for (auto found = m_systemLists.begin(); found != m_systemLists.end(); ++found) {
    if (found->first != list) continue;
    release(static_cast<ADDRINFOA*>(found->second));
    m_systemLists.erase(found);
    DeleteCopy(list);
    return;
  }
}

std::optional<Ipv4Address> Win32NameResolution::InetAddr(const std::string& text) {
  const auto inetAddr = SocketCall<decltype(&::inet_addr)>("inet_addr");
  if (inetAddr == nullptr) return std::nullopt;
  const unsigned long address = inetAddr(text.c_str());
  if (address == INADDR_NONE) return std::nullopt;
  Ipv4Address bytes;
  std::memcpy(bytes.data(), &address, 4);  // already in network order, byte by byte
  return bytes;
}

std::optional<HostEntry> Win32NameResolution::GetHostByName(const std::string& name) {
  const auto hostByName = SocketCall<decltype(&::gethostbyname)>("gethostbyname");
  if (hostByName == nullptr) return std::nullopt;
  const hostent* host = hostByName(name.c_str());
  if (host == nullptr) return std::nullopt;
  HostEntry entry;
  if (host->h_name != nullptr) entry.name = host->h_name;
  if (host->h_addrtype == AF_INET && host->h_length == 4 && host->h_addr_list != nullptr) {
    for (char** address = host->h_addr_list;
         *address != nullptr && entry.ipv4Addresses.size() < kMostAddresses; ++address) {
      Ipv4Address bytes;
      std::memcpy(bytes.data(), *address, 4);
      entry.ipv4Addresses.push_back(bytes);
    }
  }
  return entry;
}

int Win32NameResolution::LastError() {
  const auto lastError = SocketCall<decltype(&::WSAGetLastError)>("WSAGetLastError");
  return lastError == nullptr ? WSASYSNOTREADY : lastError();
}

bool Win32NameResolution::AddressToString(const SocketAddressV4& address, std::size_t length,
                                          std::string& text, std::uint32_t capacity) {
  text.clear();
  // Room for any socket address the length may claim, zero beyond the IPv4 fields.
  sockaddr_storage storage;
  std::memset(&storage, 0, sizeof(storage));
  sockaddr_in& ipv4 = reinterpret_cast<sockaddr_in&>(storage);
  ipv4.sin_family = address.family;
  ipv4.sin_port = PortToNetworkOrder(address.port);
  std::memcpy(&ipv4.sin_addr, address.address.data(), 4);
  std::vector<char> buffer(capacity, '\0');
  DWORD bufferLength = capacity;
  const DWORD passedLength = static_cast<DWORD>(std::min(length, sizeof(storage)));
  const auto toString = SocketCall<decltype(&::WSAAddressToStringA)>("WSAAddressToStringA");
  if (toString == nullptr || toString(reinterpret_cast<sockaddr*>(&storage), passedLength, nullptr,
                                      buffer.data(), &bufferLength) != 0) {
    return false;
  }
  text.assign(buffer.data(), strnlen(buffer.data(), buffer.size()));
  return true;
}

}  // namespace platform::win32
