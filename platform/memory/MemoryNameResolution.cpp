#include "platform/memory/MemoryNameResolution.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace platform::memory {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// One part of an inet_addr text: decimal, octal with a leading 0, or hexadecimal after 0x.
std::optional<std::uint32_t> AddressPart(const std::string& part) {
  if (part.empty()) return std::nullopt;
  unsigned base = 10;
  std::size_t at = 0;
  if (part.size() > 1 && part[0] == '0' && (part[1] == 'x' || part[1] == 'X')) {
    base = 16;
    at = 2;
    if (at == part.size()) return std::nullopt;
  } else if (part[0] == '0') {
    base = 8;
  }
  std::uint64_t value = 0;
  for (; at < part.size(); ++at) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(part[at])));
    unsigned digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else {
      return std::nullopt;
    }
    if (digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

// Deletes a list this world made: every entry with its socket address.
void DeleteList(AddressEntry* list) {
  while (list != nullptr) {
    AddressEntry* next = list->next;
    delete list->address;
    delete list;
    list = next;
  }
}

}  // namespace

std::string Ipv4Text(const Ipv4Address& address) {
  return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." +
         std::to_string(address[2]) + "." + std::to_string(address[3]);
}

MemoryNameResolution::MemoryNameResolution() {
  PutLibrary("C:\\WINDOWS\\system32\\ws2_32.dll", {"getaddrinfo", "getnameinfo", "freeaddrinfo"});
  PutHost("WORKSTATION1", {{192, 168, 1, 20}});
}

MemoryNameResolution::~MemoryNameResolution() {
  for (AddressEntry* list : m_lists) DeleteList(list);
}

int MemoryNameResolution::Startup(std::uint16_t version) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%x", version);
  calls.push_back(std::string("WSAStartup ") + text);
  ++m_startups;
  return startupFails ? 10091 : 0;  // WSASYSNOTREADY
}

int MemoryNameResolution::Cleanup() {
  calls.push_back("WSACleanup");
  ++m_cleanups;
  return 0;
}

std::string MemoryNameResolution::LibraryKey(const std::string& path) {
  std::string key = Lower(path);
  const std::size_t file = key.find_last_of('\\');
  if (key.find('.', file == std::string::npos ? 0 : file) == std::string::npos) key += ".dll";
  return key;
}

std::string MemoryNameResolution::FileOf(const std::string& key) {
  const std::size_t file = key.find_last_of('\\');
  return file == std::string::npos ? key : key.substr(file + 1);
}

void MemoryNameResolution::PutLibrary(const std::string& path,
                                      const std::set<std::string>& exports) {
  m_libraries[LibraryKey(path)] = exports;
}

void MemoryNameResolution::RemoveLibrary(const std::string& path) {
  m_libraries.erase(LibraryKey(path));
}

void MemoryNameResolution::PutHost(const std::string& name,
                                   const std::vector<Ipv4Address>& addresses) {
  m_hosts[Lower(name)] = MemoryHost{addresses, 0};
}

void MemoryNameResolution::FailHost(const std::string& name, int error) {
  m_hosts[Lower(name)] = MemoryHost{{}, error};
}

std::vector<std::string> MemoryNameResolution::CallsStartingWith(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& call : calls) {
    if (call.rfind(prefix, 0) == 0) found.push_back(call);
  }
  return found;
}

Handle MemoryNameResolution::LoadLibraryFile(const std::string& path) {
  calls.push_back("LoadLibrary " + path);
  const std::string key = LibraryKey(path);
  if (m_libraries.count(key) == 0) return 0;
  // Like the system: a library already loaded keeps its handle and counts one more reference.
  for (auto& [handle, loaded] : m_loaded) {
    if (loaded.key == key) {
      ++loaded.references;
      return handle;
    }
  }
  const Handle handle = ++m_lastHandle;
  m_loaded[handle] = Loaded{key, 1};
  return handle;
}

Handle MemoryNameResolution::FindProcedure(Handle library, const std::string& name) {
  auto loaded = m_loaded.find(library);
  calls.push_back("GetProcAddress " +
                  (loaded == m_loaded.end() ? "?" : FileOf(loaded->second.key)) + " " + name);
  if (loaded == m_loaded.end()) {
    ++m_faults;
    return 0;
  }
  auto exports = m_libraries.find(loaded->second.key);
  if (exports == m_libraries.end() || exports->second.count(name) == 0) return 0;
  for (const auto& [handle, procedure] : m_procedures) {
    if (procedure.library == library && procedure.name == name) return handle;
  }
  const Handle handle = ++m_lastHandle;
  m_procedures[handle] = Procedure{library, name};
  return handle;
}

void MemoryNameResolution::FreeLibrary(Handle library) {
  auto loaded = m_loaded.find(library);
  if (loaded == m_loaded.end()) {
    calls.push_back("FreeLibrary ?");
    ++m_faults;
    return;
  }
  calls.push_back("FreeLibrary " + FileOf(loaded->second.key));
  if (--loaded->second.references == 0) m_loaded.erase(loaded);
}

bool MemoryNameResolution::IsLive(Handle procedure, const char* name) {
  auto found = m_procedures.find(procedure);
  if (found == m_procedures.end() || found->second.name != name ||
      m_loaded.count(found->second.library) == 0) {
    ++m_faults;
    return false;
  }
  return true;
}

int MemoryNameResolution::CallGetAddrInfo(Handle procedure, const std::string& node,
                                          const std::string& service, const AddressHints& hints,
                                          AddressEntry*& list) {
  calls.push_back("getaddrinfo " + node);
  lookups.push_back({node, service, hints});
  list = nullptr;
  if (!IsLive(procedure, "getaddrinfo")) return kWsaNoRecovery;
  if (!service.empty() &&
      !std::all_of(service.begin(), service.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return kWsaTypeNotFound;
  }
  const std::uint16_t port =
      service.empty() ? 0 : static_cast<std::uint16_t>(std::stoul(service.substr(0, 5)));
  auto host = m_hosts.find(Lower(node));
  if (host == m_hosts.end()) return kWsaHostNotFound;
  if (host->second.error != 0) return host->second.error;
  if (host->second.addresses.empty()) return kWsaHostNotFound;
  AddressEntry** link = &list;
  for (const Ipv4Address& address : host->second.addresses) {
    *link = new AddressEntry{0,
                             kAfInet,
                             hints.socketType,
                             hints.protocol,
                             kSocketAddressV4Length,
                             nullptr,
                             new SocketAddressV4{kAfInet, port, address},
                             nullptr};
    link = &(*link)->next;
  }
  m_lists.insert(list);
  ++m_listsMade;
  return 0;
}

void MemoryNameResolution::CallFreeAddrInfo(Handle procedure, AddressEntry* list) {
  calls.push_back("freeaddrinfo");
  if (!IsLive(procedure, "freeaddrinfo") || list == nullptr) return;
  if (m_lists.erase(list) == 0) {
    ++m_faults;
    return;
  }
  ++m_listsReleased;
  DeleteList(list);
}

std::optional<Ipv4Address> MemoryNameResolution::InetAddr(const std::string& text) {
  calls.push_back("inet_addr " + text);
  // inet_addr's forms: a.b.c.d, a.b.c (c fills 16 bits), a.b (b fills 24), a (32 bits).
  std::vector<std::uint32_t> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t dot = text.find('.', start);
    const std::optional<std::uint32_t> part = AddressPart(text.substr(start, dot - start));
    if (!part) return std::nullopt;
    parts.push_back(*part);
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  if (parts.size() > 4) return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    if (parts[i] > 0xFF) return std::nullopt;
    value |= parts[i] << (8 * (3 - i));
  }
  const std::size_t lastBits = 8 * (5 - parts.size());
  if (lastBits < 32 && parts.back() >= (std::uint32_t{1} << lastBits)) return std::nullopt;
  value |= parts.back();
  if (value == 0xFFFFFFFFu) return std::nullopt;  // INADDR_NONE
  return Ipv4Address{static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
                     static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

std::optional<HostEntry> MemoryNameResolution::GetHostByName(const std::string& name) {
  calls.push_back("gethostbyname " + name);
  auto host = m_hosts.find(Lower(name));
  if (host == m_hosts.end()) {
    m_lastError = kWsaHostNotFound;
    return std::nullopt;
  }
  if (host->second.error != 0) {
    m_lastError = host->second.error;
    return std::nullopt;
  }
  return HostEntry{name, host->second.addresses};
}

bool MemoryNameResolution::AddressToString(const SocketAddressV4& address, std::size_t length,
                                           std::string& text, std::uint32_t capacity) {
  calls.push_back("WSAAddressToString");
  addressTextCapacities.push_back(capacity);
  text.clear();
  if (addressToStringFails || address.family != kAfInet || length < kSocketAddressV4Length) {
    return false;
  }
  // Like the system: the port is shown only when there is one.
  std::string shown = Ipv4Text(address.address);
  if (address.port != 0) shown += ":" + std::to_string(address.port);
  if (shown.size() + 1 > capacity) return false;
  text = shown;
  return true;
}

}  // namespace platform::memory
