#include "app/ComputerIdentity.h"

#include "app/Formmain.h"

namespace app {
namespace {

constexpr std::uint32_t kComputerNameCapacity = 255;
constexpr std::uint32_t kAddressTextCapacity = 100;

// Keeps the socket library started for one lookup.
class SocketSession {
 public:
  explicit SocketSession(platform::NameResolution& sockets) : m_sockets(sockets) {
    // The result is not looked at: without the library the lookup fails on its own.
    m_sockets.Startup(platform::kWinsockVersion22);
  }
  ~SocketSession() { m_sockets.Cleanup(); }
  SocketSession(const SocketSession&) = delete;
  SocketSession& operator=(const SocketSession&) = delete;

 private:
  platform::NameResolution& m_sockets;
};

// Hands a result list back to the resolver that made it, exactly once, null or not.
class AddressList {
 public:
  explicit AddressList(ResolverBinding& resolver) : m_resolver(resolver) {}
  ~AddressList() { m_resolver.FreeAddrInfo(m_list); }
  AddressList(const AddressList&) = delete;
  AddressList& operator=(const AddressList&) = delete;
  platform::AddressEntry*& get() { return m_list; }

 private:
  ResolverBinding& m_resolver;
  platform::AddressEntry* m_list = nullptr;
};

}  // namespace

std::string ComputerIdentityText(platform::Platform& platform, ResolverBinding& resolver) {
  std::string name;
  if (!platform.identity.GetComputerName(name, kComputerNameCapacity)) name.clear();
  // Appended, never used as a pattern: a '%' in the name is shown as it is.
  std::string text = "This Computer Name: ";
  text += name;

  SocketSession session(platform.resolver);
  platform::AddressHints hints;
  hints.flags = platform::kAiPassive;
  hints.family = platform::kAfInet;
  hints.socketType = platform::kSockStream;
  hints.protocol = platform::kIpProtoTcp;
  AddressList list(resolver);
  const int result = resolver.GetAddrInfo(name, "", hints, list.get());
  if (result == 0 && list.get() != nullptr) {
    // Only the first address: it is the one the system would use to reach this name.
    const platform::AddressEntry& first = *list.get();
    std::string address;
    if (first.address == nullptr ||
        !platform.resolver.AddressToString(*first.address, first.addressLength, address,
                                           kAddressTextCapacity)) {
      address.clear();
    }
    text += "    IP:";
    text += address;
  }
  return text;
}

std::string TfrmMain::GetComputerIdentityText() {
  return ComputerIdentityText(m_app.platform(), m_app.resolverBinding());
}

}  // namespace app
