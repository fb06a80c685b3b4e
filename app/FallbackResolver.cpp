#include "app/FallbackResolver.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <vector>

namespace app {
namespace {

constexpr int kWsaAddressFamilyNotSupported = 10047;  // EAI_FAMILY

// A port given as text. Only decimal numbers are understood: the program asks for port 0.
std::optional<std::uint16_t> PortOf(const std::string& service) {
  if (service.empty()) return std::uint16_t{0};
  if (service.size() > 5 ||
      !std::all_of(service.begin(), service.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const unsigned long port = std::stoul(service);
  if (port > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(port);
}

// gethostbyname's failures as getaddrinfo reports them: a temporary or permanent failure of the
// name service is passed on, anything else means the name is not known.
int LookupError(int lastError) {
  if (lastError == platform::kWsaTryAgain || lastError == platform::kWsaNoRecovery) {
    return lastError;
  }
  return platform::kWsaHostNotFound;
}

}  // namespace

int FallbackResolver::GetAddrInfo(const std::string& node, const std::string& service,
                                  const platform::AddressHints& hints,
                                  platform::AddressEntry*& list) {
  list = nullptr;
  if (hints.family != 0 && hints.family != platform::kAfInet) return kWsaAddressFamilyNotSupported;
  const std::optional<std::uint16_t> port = PortOf(service);
  if (!port) return platform::kWsaTypeNotFound;

  // inet_addr also takes shortened forms such as "10.1"; only the full dotted form is a literal,
  // every other text is a name.
  std::vector<platform::Ipv4Address> addresses;
  std::string canonicalName = node;
  std::optional<platform::Ipv4Address> literal;
  if (std::count(node.begin(), node.end(), '.') == 3) literal = m_sockets.InetAddr(node);
  if (literal) {
    addresses.push_back(*literal);
  } else {
    const std::optional<platform::HostEntry> host = m_sockets.GetHostByName(node);
    if (!host) return LookupError(m_sockets.LastError());
    addresses = host->ipv4Addresses;
    canonicalName = host->name;
  }
  if (addresses.empty()) return platform::kWsaHostNotFound;

  // Built behind a guard so that a failed allocation half-way leaves nothing behind. The list
  // is as long as the name service's answer: an allocation it cannot get is a failed lookup.
  auto release = [this](platform::AddressEntry* head) { FreeAddrInfo(head); };
  std::unique_ptr<platform::AddressEntry, decltype(release)> head(nullptr, release);
  platform::AddressEntry** link = &list;
  for (const platform::Ipv4Address& address : addresses) {
    *link = NewEntry(hints, *port, address);
    if (*link == nullptr) {
      list = nullptr;
      return platform::kWsaNotEnoughMemory;
    }
    if (!head) head.reset(*link);
    link = &(*link)->next;
  }
  if ((hints.flags & platform::kAiCanonName) != 0) {
    list->canonicalName = NewName(canonicalName);
    if (list->canonicalName == nullptr) {
      list = nullptr;
      return platform::kWsaNotEnoughMemory;
    }
  }
  head.release();
  return 0;
}

void FallbackResolver::FreeAddrInfo(platform::AddressEntry* list) {
  while (list != nullptr) {
    platform::AddressEntry* next = list->next;
    if (list->canonicalName != nullptr) {
      delete[] list->canonicalName;
      --m_liveBlocks;
    }
    if (list->address != nullptr) {
      delete list->address;
      --m_liveBlocks;
    }
    delete list;
    --m_liveBlocks;
    list = next;
  }
}

platform::AddressEntry* FallbackResolver::NewEntry(const platform::AddressHints& hints,
                                                   std::uint16_t port,
                                                   const platform::Ipv4Address& address) {
  std::unique_ptr<platform::AddressEntry> entry(new (std::nothrow) platform::AddressEntry());
  if (entry == nullptr) return nullptr;
  entry->family = platform::kAfInet;
  entry->socketType = hints.socketType;
  entry->protocol = hints.protocol;
  entry->addressLength = platform::kSocketAddressV4Length;
  entry->address = new (std::nothrow) platform::SocketAddressV4{platform::kAfInet, port, address};
  if (entry->address == nullptr) return nullptr;
  m_liveBlocks += 2;
  return entry.release();
}

char* FallbackResolver::NewName(const std::string& name) {
  char* copy = new (std::nothrow) char[name.size() + 1];
  if (copy == nullptr) return nullptr;
  std::memcpy(copy, name.c_str(), name.size() + 1);
  ++m_liveBlocks;
  return copy;
}

}  // namespace app
