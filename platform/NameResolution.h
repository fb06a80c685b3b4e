// Socket name resolution: the computer's own IPv4 addresses. Which resolver entry points the
// program uses is decided by portable code (the system library's when it has them, the program's
// own IPv4-only fallback otherwise); this interface only offers the raw operations that decision
// and both resolvers stand on.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Types.h"

namespace platform {

// Numbers as the socket library defines them.
constexpr int kAfInet = 2;       // AF_INET
constexpr int kSockStream = 1;   // SOCK_STREAM
constexpr int kIpProtoTcp = 6;   // IPPROTO_TCP
constexpr int kAiPassive = 1;    // AI_PASSIVE
constexpr int kAiCanonName = 2;  // AI_CANONNAME
constexpr std::uint16_t kWinsockVersion22 = 0x0202;
constexpr std::size_t kSocketAddressV4Length = 16;  // sizeof(sockaddr_in)

// Socket library errors the resolvers answer with (getaddrinfo's EAI_ codes are the same numbers).
constexpr int kWsaTypeNotFound = 10109;  // EAI_SERVICE
constexpr int kWsaHostNotFound = 11001;  // EAI_NONAME
constexpr int kWsaTryAgain = 11002;      // EAI_AGAIN
constexpr int kWsaNoRecovery = 11003;    // EAI_FAIL
constexpr int kWsaNotEnoughMemory = 8;   // EAI_MEMORY

// An IPv4 address, its bytes in the order they are written (192.168.1.20 is {192, 168, 1, 20}).
using Ipv4Address = std::array<std::uint8_t, 4>;

// sockaddr_in, with the port in host order.
struct SocketAddressV4 {
  std::uint16_t family = kAfInet;
  std::uint16_t port = 0;
  Ipv4Address address{};
};

// One entry of a resolver's result list (ADDRINFOA). A list belongs to the resolver that made it
// and goes back through that resolver's own release call.
struct AddressEntry {
  int flags = 0;
  int family = 0;
  int socketType = 0;
  int protocol = 0;
  std::size_t addressLength = 0;
  char* canonicalName = nullptr;
  SocketAddressV4* address = nullptr;
  AddressEntry* next = nullptr;
};

// The fields of the hints record a caller sets; the rest of it is zero.
struct AddressHints {
  int flags = 0;
  int family = 0;
  int socketType = 0;
  int protocol = 0;
};

// What gethostbyname answers, reduced to its IPv4 addresses in the order of the entry. A host
// entry of another address type has none.
struct HostEntry {
  std::string name;
  std::vector<Ipv4Address> ipv4Addresses;
};

class NameResolution {
 public:
  virtual ~NameResolution() = default;

  // WSAStartup with the requested version; WSACleanup.
  virtual int Startup(std::uint16_t version) = 0;
  virtual int Cleanup() = 0;

  // Loads the library at a full path, its own imports taken from its folder and the system's
  // rather than the program's (0 when it cannot be loaded); GetProcAddress by name (0 when not
  // exported), FreeLibrary.
  virtual Handle LoadLibraryFile(const std::string& path) = 0;
  virtual Handle FindProcedure(Handle library, const std::string& name) = 0;
  virtual void FreeLibrary(Handle library) = 0;

  // Calls a getaddrinfo found by FindProcedure; `list` receives the result list (or null).
  virtual int CallGetAddrInfo(Handle procedure, const std::string& node, const std::string& service,
                              const AddressHints& hints, AddressEntry*& list) = 0;
  // Calls a freeaddrinfo found by FindProcedure on a list made by the matching getaddrinfo.
  virtual void CallFreeAddrInfo(Handle procedure, AddressEntry* list) = 0;

  // inet_addr. nullopt when it refuses the text; like inet_addr, 255.255.255.255 cannot be told
  // from a refusal and is refused too.
  virtual std::optional<Ipv4Address> InetAddr(const std::string& text) = 0;
  // gethostbyname; nullopt when the lookup fails, LastError() then tells why.
  virtual std::optional<HostEntry> GetHostByName(const std::string& name) = 0;
  // WSAGetLastError.
  virtual int LastError() = 0;

  // WSAAddressToStringA of a socket address of `length` bytes into a zero-filled buffer of
  // `capacity` bytes with no protocol information; false leaves `text` empty.
  virtual bool AddressToString(const SocketAddressV4& address, std::size_t length,
                               std::string& text, std::uint32_t capacity) = 0;
};

}  // namespace platform
